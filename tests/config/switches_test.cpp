#include <gtest/gtest.h>

#include <cmath>
#include <climits>
#include <functional>

#include "installer/src/settings_loader.h"

namespace {

struct SwitchCase {
    const char* name;
    std::vector<std::wstring> tokens;
    std::function<void(const InstallerSettings&)> check;
};

void PrintTo(const SwitchCase& c, std::ostream* os) { *os << c.name; }

class ApplySwitchesTest : public testing::TestWithParam<SwitchCase> {};

TEST_P(ApplySwitchesTest, SetsWhatTheTokensSay) {
    InstallerSettings settings;
    settings.downloadUrl = L"http://before/software/269";
    settings.isCheckNet = true;
    ApplySwitches(settings, GetParam().tokens);
    GetParam().check(settings);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ApplySwitchesTest,
    testing::Values(
        SwitchCase{"type", {L"a.exe", L"-downloadtype=2"},
                   [](const InstallerSettings& s) { EXPECT_EQ(s.downloadType, 2); }},
        SwitchCase{"first of two keys wins", {L"-downloadtype=3", L"-downloadtype=2"},
                   [](const InstallerSettings& s) { EXPECT_EQ(s.downloadType, 3); }},
        SwitchCase{"type skips white space and ignores the tail", {L"-downloadtype= 3xyz"},
                   [](const InstallerSettings& s) { EXPECT_EQ(s.downloadType, 3); }},
        SwitchCase{"non-numeric type gives 0", {L"-downloadtype=fast"},
                   [](const InstallerSettings& s) { EXPECT_EQ(s.downloadType, 0); }},
        SwitchCase{"type beyond 32 bits saturates", {L"-downloadtype=99999999999"},
                   [](const InstallerSettings& s) { EXPECT_EQ(s.downloadType, INT_MAX); }},
        SwitchCase{"negative type beyond 32 bits saturates", {L"-downloadtype=-99999999999"},
                   [](const InstallerSettings& s) { EXPECT_EQ(s.downloadType, INT_MIN); }},
        SwitchCase{"key without = empties the address", {L"-downloadurl"},
                   [](const InstallerSettings& s) { EXPECT_EQ(s.downloadUrl, L""); }},
        SwitchCase{"empty address", {L"-downloadurl="},
                   [](const InstallerSettings& s) { EXPECT_EQ(s.downloadUrl, L""); }},
        SwitchCase{"address keeps what follows the first =", {L"-downloadurl=http://h/a?b=c"},
                   [](const InstallerSettings& s) { EXPECT_EQ(s.downloadUrl, L"http://h/a?b=c"); }},
        SwitchCase{"empty suffix", {L"-dlappnamesuffix="},
                   [](const InstallerSettings& s) { EXPECT_EQ(s.dlAppNameSuffix, L""); }},
        SwitchCase{"version and instcmd", {L"-dlappversion=2.0.1", L"-instcmd=/quiet x"},
                   [](const InstallerSettings& s) {
                       EXPECT_EQ(s.dlAppVersion, L"2.0.1");
                       EXPECT_EQ(s.instCmd, L"/quiet x");
                   }},
        SwitchCase{"booleans are case-sensitive", {L"-ischecknet=True", L"-isenableappanalytics=TRUE"},
                   [](const InstallerSettings& s) {
                       EXPECT_FALSE(s.isCheckNet);
                       EXPECT_FALSE(s.isEnableAppAnalytics);
                   }},
        SwitchCase{"boolean key alone is false", {L"-ischecknet"},
                   [](const InstallerSettings& s) { EXPECT_FALSE(s.isCheckNet); }},
        SwitchCase{"scale", {L"-downloadscale=0.25"},
                   [](const InstallerSettings& s) { EXPECT_DOUBLE_EQ(s.downloadScale, 0.25); }},
        SwitchCase{"non-numeric scale is NaN", {L"-downloadscale=half"},
                   [](const InstallerSettings& s) { EXPECT_TRUE(std::isnan(s.downloadScale)); }},
        SwitchCase{"scale beyond a double keeps the built-in share", {L"-downloadscale=1e999"},
                   [](const InstallerSettings& s) { EXPECT_DOUBLE_EQ(s.downloadScale, 0.7); }},
        SwitchCase{"keys are case-sensitive and need the dash",
                   {L"-DownloadType=2", L"downloadtype=3", L"/downloadtype=2"},
                   [](const InstallerSettings& s) { EXPECT_EQ(s.downloadType, 1); }}),
    [](const testing::TestParamInfo<SwitchCase>& info) { return std::to_string(info.index); });

TEST(SplitCommandLineTest, FollowsTheSystemQuotingRules) {
    const auto tokens =
        SplitCommandLine(L"\"C:\\Program Files\\a.exe\" -instcmd=\"/x y\" \"-downloadurl=a b\"");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0], L"C:\\Program Files\\a.exe");
    EXPECT_EQ(tokens[1], L"-instcmd=/x y");
    EXPECT_EQ(tokens[2], L"-downloadurl=a b");
}

}  // namespace
