// Start-up and shutdown of the real installer executable: one instance at a
// time, and the fixed shutdown order seen on the debug-output channel.

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/child_process.h"
#include "tests/support/debug_output_listener.h"
#include "tests/support/test_paths.h"

namespace {

using namespace std::chrono_literals;
using TestSupport::ChildProcess;

std::wstring InstallerCommand() { return L"\"" + TestSupport::InstallerExe() + L"\""; }

size_t IndexOfRecord(const std::vector<TestSupport::DebugRecord>& records, DWORD processId,
                     const std::wstring& fragment) {
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].processId == processId &&
            records[i].text.find(fragment) != std::wstring::npos) {
            return i;
        }
    }
    return records.size();
}

TEST(SingleInstanceTest, SecondInstanceExitsWithMinusOneAndShowsNothing) {
    TestSupport::DebugOutputListener listener;
    ChildProcess first(InstallerCommand());
    ASSERT_TRUE(first.Started());
    HWND window = TestSupport::WaitForWindow(first.Id(), L"Quillora", 30s);
    ASSERT_NE(window, nullptr);

    ChildProcess second(InstallerCommand());
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.Wait(30s), std::optional<DWORD>(0xFFFFFFFFu));
    EXPECT_EQ(TestSupport::CountWindowsTitled(L"Quillora"), 1);

    // The first one is unaffected: still running, and it shuts down normally.
    EXPECT_EQ(first.Wait(0ms), std::nullopt);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.Wait(30s), std::optional<DWORD>(0u));

    ASSERT_TRUE(listener.WaitForText(L"releasing the single-instance mutex", 5s));
    const auto records = listener.Records();
    const size_t transfer = IndexOfRecord(records, first.Id(), L"releasing the transfer library");
    const size_t window_ = IndexOfRecord(records, first.Id(), L"destroying the main window");
    const size_t mutex = IndexOfRecord(records, first.Id(), L"releasing the single-instance mutex");
    EXPECT_LT(transfer, window_);
    EXPECT_LT(window_, mutex);
    EXPECT_LT(mutex, records.size());
    EXPECT_EQ(IndexOfRecord(records, second.Id(), L"shutdown"), records.size());
}

TEST(SingleInstanceTest, MutexIsFreeAgainAfterTheInstallerEnds) {
    {
        ChildProcess installer(InstallerCommand());
        HWND window = TestSupport::WaitForWindow(installer.Id(), L"Quillora", 30s);
        ASSERT_NE(window, nullptr);
        PostMessageW(window, WM_CLOSE, 0, 0);
        ASSERT_EQ(installer.Wait(30s), std::optional<DWORD>(0u));
    }
    HANDLE mutex = CreateMutexW(nullptr, TRUE, L"D1A547DB89C0BC61_Installer_Quillora");
    ASSERT_NE(mutex, nullptr);
    EXPECT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    ReleaseMutex(mutex);
    CloseHandle(mutex);
}

}  // namespace
