// The product the setup package installs: started, it shows its window and
// leaves the marker that tells tests it ran.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/runner/scratch_folder.h"
#include "tests/support/child_process.h"
#include "tests/support/test_packages.h"
#include "utils/text_encoding.h"

namespace {

TEST(Product, ShowsItsWindowAndLeavesAMarker) {
    RunnerTest::ScratchFolder folder(L"quillora-product");
    const std::wstring exe = folder.Path() + L"\\Quillora.exe";
    ASSERT_TRUE(CopyFileW(TestSupport::ProductExe().c_str(), exe.c_str(), FALSE));

    const std::wstring commandLine = L"\"" + exe + L"\" -from-test";
    TestSupport::ChildProcess product(commandLine);
    ASSERT_TRUE(product.Started());
    const HWND window =
        TestSupport::WaitForWindow(product.Id(), L"Quillora", std::chrono::seconds(20));
    ASSERT_NE(window, nullptr);

    std::ifstream marker(Utils::ToAnsi(folder.Path() + L"\\Quillora.started"), std::ios::binary);
    std::stringstream content;
    content << marker.rdbuf();
    EXPECT_EQ(Utils::FromUtf8(content.str()), commandLine);
    marker.close();

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(product.Wait(std::chrono::seconds(20)), 0u);
}

}  // namespace
