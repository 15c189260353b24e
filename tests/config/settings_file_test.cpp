#include <gtest/gtest.h>

#include "installer/src/download_route.h"
#include "installer/src/settings_loader.h"
#include "tests/support/temp_dir.h"

namespace {

class SettingsFileTest : public testing::Test {
protected:
    InstallerSettings LoadWith(const std::string& ini) {
        TestSupport::WriteBytes(folder_ / L"VortaInstallerConfig.ini", ini);
        return Load();
    }
    InstallerSettings Load() { return LoadSettings(folder_ / L"QuilloraInstaller.exe"); }

    TestSupport::TempDir folder_;
};

TEST_F(SettingsFileTest, WithoutAFileTheDefaultsHoldAndNetworkCheckIsOff) {
    const InstallerSettings s = Load();
    EXPECT_EQ(s.exeFileName, L"QuilloraInstaller.exe");
    EXPECT_EQ(s.downloadUrl, SubstituteRoute(DefaultDownloadUrl()));
    EXPECT_NE(s.downloadUrl.find(L"/software/269"), std::wstring::npos);
    EXPECT_EQ(s.downloadType, 1);
    EXPECT_FALSE(s.isCheckNet);
    EXPECT_TRUE(s.isEnableAppAnalytics);
    EXPECT_EQ(s.dlAppNameSuffix, L".downloader");
    EXPECT_EQ(s.dlAppVersion, L"");
    EXPECT_DOUBLE_EQ(s.downloadScale, 0.7);
    EXPECT_EQ(s.productId, L"Quillora");
    EXPECT_EQ(s.installerVersion, L"1.7.9");
}

TEST_F(SettingsFileTest, AFileWithoutTheKeyTurnsTheNetworkCheckOn) {
    const InstallerSettings s = LoadWith("[Install]\r\nDownloadType=3\r\n");
    EXPECT_TRUE(s.isCheckNet);
    EXPECT_EQ(s.downloadType, 3);
    EXPECT_DOUBLE_EQ(s.downloadScale, 0.7);
}

TEST_F(SettingsFileTest, ReadsEveryKey) {
    const InstallerSettings s = LoadWith(
        "[Install]\r\nDownloadUrl=http://127.0.0.1:8080/software/269\r\nDownloadType=2\r\n"
        "IsCheckNet=false\r\nIsEnableAppAnalytics=false\r\nDlAppNameSuffix=.dl\r\n"
        "m_DlAppVersion=3.1\r\nDownloadScale=0.5\r\nInstCmd=/quiet\r\n");
    EXPECT_EQ(s.downloadUrl, L"http://127.0.0.1:8080/software/269");
    EXPECT_EQ(s.downloadType, 2);
    EXPECT_FALSE(s.isCheckNet);
    EXPECT_FALSE(s.isEnableAppAnalytics);
    EXPECT_EQ(s.dlAppNameSuffix, L".dl");
    EXPECT_EQ(s.dlAppVersion, L"3.1");
    EXPECT_DOUBLE_EQ(s.downloadScale, 0.5);
    EXPECT_EQ(s.instCmd, L"/quiet");
}

TEST_F(SettingsFileTest, BooleansOtherThanLowercaseTrueAreFalse) {
    const InstallerSettings s = LoadWith("[Install]\r\nIsCheckNet=True\r\nIsEnableAppAnalytics=1\r\n");
    EXPECT_FALSE(s.isCheckNet);
    EXPECT_FALSE(s.isEnableAppAnalytics);
}

TEST_F(SettingsFileTest, ScaleThatIsNoNumberGivesZeroAndHugeKeepsTheDefault) {
    EXPECT_DOUBLE_EQ(LoadWith("[Install]\r\nDownloadScale=abc\r\n").downloadScale, 0.0);
    EXPECT_DOUBLE_EQ(LoadWith("[Install]\r\nDownloadScale=  0.4kg\r\n").downloadScale, 0.4);
    EXPECT_DOUBLE_EQ(LoadWith("[Install]\r\nDownloadScale=1e400\r\n").downloadScale, 0.7);
}

TEST_F(SettingsFileTest, ValuesAreCutAt259Characters) {
    const std::string longText(300, 'x');
    const InstallerSettings s = LoadWith("[Install]\r\nInstCmd=" + longText + "\r\n");
    EXPECT_EQ(s.instCmd, std::wstring(259, L'x'));
}

TEST_F(SettingsFileTest, ProductAndVersionCannotBeOverridden) {
    const InstallerSettings s = LoadWith("[Install]\r\nproduct=Other\r\nversion=9\r\n");
    EXPECT_EQ(s.productId, L"Quillora");
    EXPECT_EQ(s.installerVersion, L"1.7.9");
}

struct RouteCase {
    const wchar_t* version;
    bool is64;
    const wchar_t* route;
};

void PrintTo(const RouteCase& c, std::ostream* os) {
    *os << std::string(c.version, c.version + wcslen(c.version)) << (c.is64 ? " 64-bit" : " 32-bit");
}

class ChooseRouteTest : public testing::TestWithParam<RouteCase> {};

TEST_P(ChooseRouteTest, FollowsTheWindowsVersion) {
    EXPECT_EQ(ChooseDownloadRoute(GetParam().version, GetParam().is64), GetParam().route);
}

INSTANTIATE_TEST_SUITE_P(Table, ChooseRouteTest,
                         testing::Values(RouteCase{L"XP", false, L"download_silent_xp"},
                                         RouteCase{L"XP-", false, L"download_silent_xp"},
                                         RouteCase{L"XP+", true, L"download_silent_xp"},
                                         RouteCase{L"7", false, L"download_silent"},
                                         RouteCase{L"7", true, L"download_silent"},
                                         RouteCase{L"10", true, L"download_silent"},
                                         RouteCase{L"10+", false, L"download_silent"}));

TEST(RoutePlaceholderTest, ReplacesEveryOccurrenceAndLeavesOtherAddressesAlone) {
    EXPECT_EQ(ReplaceRoutePlaceholder(L"http://h/${ROUTE}/x/${ROUTE}", L"r"), L"http://h/r/x/r");
    EXPECT_EQ(ReplaceRoutePlaceholder(L"http://h/software/269", L"r"), L"http://h/software/269");
    EXPECT_EQ(SubstituteRoute(L"http://h/software/269"), L"http://h/software/269");
}

}  // namespace
