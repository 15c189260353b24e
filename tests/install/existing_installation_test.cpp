#include "installer/src/existing_installation.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "installation_registry.h"
#include "installer/src/installation_folders.h"
#include "tests/support/temp_dir.h"
#include "utils/install_registry.h"

namespace {

struct FolderCase {
    const char* name;
    DefaultFolderInputs inputs;
    const wchar_t* expected;
};

void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }

DefaultFolderInputs Inputs(bool admin, bool elevated, const wchar_t* registered = L"",
                           bool markerExists = false, const wchar_t* appData = L"C:\\AppData",
                           const wchar_t* x86 = L"C:\\Program Files (x86)") {
    return {registered, markerExists, admin, elevated, appData, x86, L"C:\\Program Files"};
}

class DefaultFolderTest : public testing::TestWithParam<FolderCase> {};

TEST_P(DefaultFolderTest, FollowsTheAdministratorRules) {
    EXPECT_EQ(ChooseDefaultInstallFolder(GetParam().inputs), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DefaultFolderTest,
    testing::Values(
        FolderCase{"administrator running elevated", Inputs(true, true),
                   L"C:\\AppData\\vorta\\Quillora"},
        FolderCase{"standard user elevated with another account", Inputs(false, true),
                   L"C:\\Program Files (x86)\\Quillora"},
        FolderCase{"administrator not elevated", Inputs(true, false),
                   L"C:\\Program Files (x86)\\Quillora"},
        FolderCase{"no APPDATA", Inputs(true, true, L"", false, L""),
                   L"C:\\Program Files (x86)\\Quillora"},
        FolderCase{"no 32-bit program files folder", Inputs(false, false, L"", false, L"", L""),
                   L"C:\\Program Files\\Quillora"},
        FolderCase{"registered with its marker", Inputs(true, true, L"D:\\Old\\Quillora", true),
                   L"D:\\Old\\Quillora"},
        FolderCase{"registered but the marker is gone",
                   Inputs(false, false, L"D:\\Old\\Quillora", false),
                   L"C:\\Program Files (x86)\\Quillora"}));

TEST(JoinPathTest, PutsExactlyOneBackslashBetween) {
    EXPECT_EQ(JoinPath(L"C:\\a", L"b"), L"C:\\a\\b");
    EXPECT_EQ(JoinPath(L"C:\\a\\", L"b"), L"C:\\a\\b");
    EXPECT_EQ(JoinPath(L"D:\\", L"Quillora"), L"D:\\Quillora");
}

TEST(IsSameFolderTest, ComparesFoldersNotTexts) {
    EXPECT_TRUE(IsSameFolder(L"C:\\Program Files\\Quillora", L"C:\\Program Files\\Quillora"));
    EXPECT_TRUE(IsSameFolder(L"C:\\Program Files\\Quillora", L"c:\\program files\\quillora\\"));
    EXPECT_FALSE(IsSameFolder(L"C:\\Program Files\\Quillora", L"D:\\Apps"));
    EXPECT_FALSE(IsSameFolder(L"C:\\Program Files\\Quillora", L"C:\\Program Files"));
}

class ExistingInstallationTest : public testing::Test {
protected:
    TestSupport::CleanInstallRegistry registry_;
    TestSupport::TempDir folder_;
    ExistingInstallation installation_;
};

TEST_F(ExistingInstallationTest, NothingRegisteredMeansAFirstInstallation) {
    installation_.ReadRegistered();
    EXPECT_FALSE(installation_.Exists());
    EXPECT_EQ(installation_.RegisteredMarker(), L"");
    EXPECT_NE(installation_.DefaultInstallFolder().find(L"\\Quillora"), std::wstring::npos);
}

TEST_F(ExistingInstallationTest, ARegisteredFolderWithItsMarkerIsTheDefault) {
    const std::wstring old = folder_ / L"Old";
    CreateDirectoryW(old.c_str(), nullptr);
    TestSupport::WriteBytes(old + L"\\uninst.ep", "MZ");
    Utils::WriteInstallRegistryValue(L"InstallPath", old);
    installation_.ReadRegistered();
    EXPECT_TRUE(installation_.Exists());
    EXPECT_EQ(installation_.RegisteredMarker(), old + L"\\uninst.ep");
    EXPECT_EQ(installation_.DefaultInstallFolder(), old);
    EXPECT_TRUE(installation_.IsDefaultFolder(old + L"\\"));
    EXPECT_EQ(installation_.TargetFolderFromChoice(old), old);
    EXPECT_EQ(installation_.TargetFolderFromChoice(L"D:\\Apps"), L"D:\\Apps\\Quillora");
}

TEST_F(ExistingInstallationTest, ARegisteredMarkerPathIsTakenAsItIs) {
    Utils::WriteInstallRegistryValue(L"InstallPath", L"D:\\Old");
    Utils::WriteInstallRegistryValue(L"UnInstallEp", L"D:\\Old\\bin\\remove.ep");
    installation_.ReadRegistered();
    EXPECT_EQ(installation_.RegisteredMarker(), L"D:\\Old\\bin\\remove.ep");
}

TEST_F(ExistingInstallationTest, IsOverrideFalseInTheTargetKeepsTheRegisteredInstallation) {
    Utils::WriteInstallRegistryValue(L"InstallPath", folder_ / L"Old");
    installation_.ReadRegistered();
    const std::wstring target = folder_ / L"New";
    CreateDirectoryW(target.c_str(), nullptr);
    EXPECT_FALSE(installation_.KeepRegisteredInstallation(target));  // no set.ini
    TestSupport::WriteBytes(target + L"\\set.ini", "[Uninstall]\r\nIsOverride=false\r\n");
    EXPECT_TRUE(installation_.KeepRegisteredInstallation(target));
    TestSupport::WriteBytes(target + L"\\set.ini", "[Uninstall]\r\nIsOverride=False\r\n");
    EXPECT_FALSE(installation_.KeepRegisteredInstallation(target));
    // Installing over the registered folder itself always replaces it.
    TestSupport::WriteBytes(folder_ / L"Old\\set.ini", "[Uninstall]\r\nIsOverride=false\r\n");
    EXPECT_FALSE(installation_.KeepRegisteredInstallation(folder_ / L"Old"));
}

TEST_F(ExistingInstallationTest, UnInstallEpIsWrittenOnlyWhenTheMarkerExists) {
    const std::wstring target = folder_.Path();
    EXPECT_EQ(installation_.RecordInRegistry(target, L""), target + L"\\uninst.ep");
    DWORD type = 0;
    std::wstring text;
    ASSERT_TRUE(Utils::ReadInstallRegistryValue(L"InstallPath", type, text));
    EXPECT_EQ(text, target);
    EXPECT_FALSE(Utils::ReadInstallRegistryValue(L"UnInstallEp", type, text));

    TestSupport::WriteBytes(target + L"\\other.ep", "MZ");
    EXPECT_EQ(installation_.RecordInRegistry(target, target + L"\\other.ep"),
              target + L"\\other.ep");
    ASSERT_TRUE(Utils::ReadInstallRegistryValue(L"UnInstallEp", type, text));
    EXPECT_EQ(text, target + L"\\other.ep");
}

TEST_F(ExistingInstallationTest, SetIniPointsAtTheSharedAnalyticsFile) {
    wchar_t oldAppData[MAX_PATH] = {};
    GetEnvironmentVariableW(L"APPDATA", oldAppData, MAX_PATH);
    SetEnvironmentVariableW(L"APPDATA", (folder_ / L"AppData").c_str());
    const std::wstring target = folder_ / L"Target";
    CreateDirectoryW(target.c_str(), nullptr);

    installation_.WriteSetIni(target);
    SetEnvironmentVariableW(L"APPDATA", oldAppData);

    const std::wstring ini = target + L"\\set.ini";
    auto read = [](const std::wstring& file, const wchar_t* section, const wchar_t* key) {
        wchar_t value[300] = {};
        GetPrivateProfileStringW(section, key, L"", value, 300, file.c_str());
        return std::wstring(value);
    };
    EXPECT_EQ(read(ini, L"Install", L"AppName"), L"Quillora");
    EXPECT_EQ(read(ini, L"Install", L"APPStore"), L"install_test.exe");
    EXPECT_EQ(read(ini, L"Install", L"DeviceID").size(), 32u);
    const std::wstring shared = folder_ / L"AppData\\VortaData\\Quillora\\ZRUsageAnalytics.ini";
    EXPECT_EQ(read(ini, L"Install", L"ZRUsageAnalyticsIni"), shared);
    EXPECT_EQ(read(shared, L"Init", L"UpdateTime").size(), 19u);  // 2026-12-11 09:05:07
}

}  // namespace
