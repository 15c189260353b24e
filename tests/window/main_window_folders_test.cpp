// Target folders the installer must refuse before anything is downloaded:
// on a drive with less than 1 GiB free, on a drive it cannot write to, or
// not absolute. Drives are real tmpfs mounts behind Wine drive letters.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "installer/src/installer_dialogs.h"
#include "tests/install/installation_registry.h"
#include "tests/support/wait.h"
#include "tests/support/x_display.h"
#include "tests/window/main_window_session.h"
#include "tests/window/mapped_drive.h"
#include "utils/text_encoding.h"

namespace {

using namespace std::chrono_literals;
using TestSupport::WaitUntil;
using WindowTest::MainWindowSession;
using WindowTest::MappedDrive;

struct FolderCase {
    const char* name;
    char driveLetter;  // 0: no drive of its own
    const char* mountOptions;
    const wchar_t* folder;   // below the drive's root when it has one
    const wchar_t* refusal;  // null: accepted
};

void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }

class FolderRefusalTest : public testing::TestWithParam<FolderCase> {};

TEST_P(FolderRefusalTest, IsRefusedWithItsMessageOrAccepted) {
    const FolderCase& c = GetParam();
    std::unique_ptr<MappedDrive> drive;
    std::wstring folder = c.folder;
    if (c.driveLetter != 0) {
        drive = std::make_unique<MappedDrive>(c.driveLetter, c.mountOptions);
        if (!drive->Ready()) GTEST_SKIP() << "cannot mount a tmpfs here";
        folder = drive->Root() + L"\\" + folder;
    }
    TestSupport::CleanInstallRegistry registry;
    MainWindowSession session;
    session.Start();
    ASSERT_NE(session.WaitShown(), nullptr);
    auto& main = session.Main();
    ASSERT_TRUE(main.Click(L"customeBtn"));
    ASSERT_TRUE(WaitUntil([&] { return main.Page(L"mainTabLt") == 1; }, 10s));
    ASSERT_TRUE(main.Click(L"installDirEdit"));
    ASSERT_TRUE(TestSupport::PressKeys("ctrl+a"));
    ASSERT_TRUE(TestSupport::TypeText(Utils::ToUtf8(folder)));
    ASSERT_TRUE(WaitUntil([&] { return main.Text(L"installDirEdit") == folder; }, 10s));
    ASSERT_TRUE(main.Click(L"customeInstallBtn"));

    if (c.refusal == nullptr) {
        ASSERT_TRUE(WaitUntil([&] { return main.Page(L"mainTabLt") == 2; }, 20s));
        const auto prompt = session.WaitForDialog(L"NetworkTipWnd");
        ASSERT_NE(prompt, nullptr);
        prompt->Screenshot("network_tip");
        ASSERT_TRUE(prompt->Click(L"cancelBtn"));
        EXPECT_TRUE(WaitUntil([&] { return main.Page(L"mainTabLt") == 1; }, 10s));
        return;
    }
    const auto notice = session.WaitForDialog(L"MessageBox2Wnd");
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->Text(L"textLbl"), std::wstring(c.refusal));
    EXPECT_EQ(notice->Text(L"captionLbl"), std::wstring(Dialogs::kNoticeCaption));
    notice->Screenshot(std::string("refused_") + c.name);
    ASSERT_TRUE(notice->Click(L"closebtn"));
    ASSERT_TRUE(WindowTest::WaitUntilGone(L"MessageBox2Wnd"));
    EXPECT_EQ(main.Page(L"mainTabLt"), 1);
    EXPECT_TRUE(WaitUntil([&] { return main.Enabled(L"customeInstallBtn") == true; }, 5s));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FolderRefusalTest,
    testing::Values(
        FolderCase{"almost_one_gibibyte_free", 'q', "size=1023m", L"Apps", Dialogs::kLowSpaceText},
        FolderCase{"exactly_one_gibibyte_free", 'r', "size=1024m", L"Apps", nullptr},
        FolderCase{"read_only_drive", 's', "size=8m,ro", L"Apps", Dialogs::kInvalidPathText},
        FolderCase{"relative_folder", 0, "", L"Apps\\Mine", Dialogs::kInvalidPathText},
        FolderCase{"drive_without_a_volume", 0, "", L"K:\\Apps", Dialogs::kInvalidPathText}),
    [](const testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.name); });

}  // namespace
