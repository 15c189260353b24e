#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <regex>

#include "tests/support/test_paths.h"
#include "utils/guid_text.h"
#include "utils/hard_disk_manager.h"
#include "utils/install_registry.h"
#include "utils/network_check.h"
#include "utils/stopwatch.h"
#include "utils/windows_version.h"

namespace {

TEST(GuidTextTest, ThirdGroupIsLowercaseAndTheRestUppercase) {
    const std::wregex layout(LR"([0-9A-F]{12}[0-9a-f]{4}[0-9A-F]{16})");
    bool sawLetterInThirdGroup = false;
    for (int i = 0; i < 200; ++i) {
        const std::wstring text = Utils::NewGuidText();
        ASSERT_TRUE(std::regex_match(text, layout)) << text;
        sawLetterInThirdGroup |= text.substr(12, 4).find_first_of(L"abcdef") != std::wstring::npos;
    }
    EXPECT_TRUE(sawLetterInThirdGroup);
}

struct VersionCase {
    unsigned major, minor, build;
    bool r2;
    const wchar_t* name;
};

void PrintTo(const VersionCase& c, std::ostream* os) {
    *os << c.major << "." << c.minor << "." << c.build << (c.r2 ? " R2" : "");
}

class WindowsVersionNameTest : public testing::TestWithParam<VersionCase> {};

TEST_P(WindowsVersionNameTest, NamesTheVersionNumbers) {
    const VersionCase& c = GetParam();
    EXPECT_EQ(Utils::WindowsVersionName(c.major, c.minor, c.build, c.r2), c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WindowsVersionNameTest,
    testing::Values(VersionCase{0, 0, 0, false, L"XP-"}, VersionCase{4, 90, 0, false, L"XP-"},
                    VersionCase{5, 0, 2195, false, L"2K"}, VersionCase{5, 1, 2600, false, L"XP"},
                    VersionCase{5, 2, 3790, false, L"Server 2003"},
                    VersionCase{5, 2, 3790, true, L"Server 2003 R2"},
                    VersionCase{5, 3, 0, false, L"XP+"}, VersionCase{6, 0, 6000, false, L"Vista"},
                    VersionCase{6, 1, 7601, false, L"7"}, VersionCase{6, 2, 9200, false, L"8"},
                    VersionCase{6, 3, 9600, false, L"8.1"}, VersionCase{6, 4, 0, false, L"8.1+"},
                    VersionCase{10, 0, 19045, false, L"10"}, VersionCase{10, 1, 0, false, L"10+"},
                    VersionCase{7, 1, 5, false, L"7.1.5"},
                    VersionCase{12, 0, 100, false, L"12.0.100"}));

TEST(WindowsVersionTest, TheRunningSystemHasAName) {
    std::wstring family, version;
    Utils::GetWindowsVersionName(family, version);
    EXPECT_EQ(family, L"Windows");
    EXPECT_FALSE(version.empty());
    EXPECT_NE(version, L"XP-");
}

TEST(HardDiskManagerTest, FreeSpaceOfTheBuildDriveIsPlausible) {
    Utils::HardDiskManager disk;
    ASSERT_TRUE(disk.CheckFreeSpace(TestSupport::BuildDir().substr(0, 2)));
    EXPECT_GT(disk.TotalBytes(), 0u);
    EXPECT_GT(disk.FreeBytesAvailable(), 0u);
    EXPECT_LE(disk.FreeBytesAvailable(), disk.TotalBytes());
    EXPECT_LE(disk.TotalFreeBytes(), disk.TotalBytes());
}

TEST(HardDiskManagerTest, AnUnknownDriveFailsAndLeavesZeros) {
    Utils::HardDiskManager disk;
    EXPECT_FALSE(disk.CheckFreeSpace(L"Q:\\no\\such\\drive"));
    EXPECT_EQ(disk.FreeBytesAvailable(), 0u);
    EXPECT_EQ(disk.TotalBytes(), 0u);
}

TEST(InstallRegistryTest, WritesAndReadsTextValues) {
    ASSERT_TRUE(Utils::WriteInstallRegistryValue(L"TestValue", L"C:\\安装\\Quillora"));
    DWORD type = 0;
    std::wstring text;
    ASSERT_TRUE(Utils::ReadInstallRegistryValue(L"TestValue", type, text));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text, L"C:\\安装\\Quillora");
    ASSERT_TRUE(Utils::WriteInstallRegistryValue(L"TestValue", L""));
    ASSERT_TRUE(Utils::ReadInstallRegistryValue(L"TestValue", type, text));
    EXPECT_EQ(text, L"");
    EXPECT_FALSE(Utils::ReadInstallRegistryValue(L"NoSuchValue", type, text));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, Utils::kInstallRegistryKey, 0, KEY_SET_VALUE, &key),
              ERROR_SUCCESS);
    RegDeleteValueW(key, L"TestValue");
    RegCloseKey(key);
}

TEST(NetworkCheckTest, AnswersWithAKnownStatus) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int result = Utils::CheckNetwork();
    const int status = result >> 16;
    EXPECT_TRUE(result == 0 || status == 0 || status == 1 || status == 2) << result;
    CoUninitialize();
}

TEST(StopwatchTest, IsZeroUntilStarted) {
    Utils::Stopwatch stopwatch;
    EXPECT_EQ(stopwatch.ElapsedSeconds(), 0.0f);
    stopwatch.Start();
    EXPECT_GE(stopwatch.ElapsedSeconds(), 0.0f);
    EXPECT_LT(stopwatch.ElapsedSeconds(), 5.0f);
}

}  // namespace
