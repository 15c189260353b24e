// The machine facts and ids the tracker reports, and where it keeps its
// files: pure rules driven by tables.

#include <gtest/gtest.h>

#include <regex>

#include "analytics/tracker/distinct_id.h"
#include "analytics/tracker/super_properties.h"
#include "analytics/tracker/system_info.h"
#include "analytics/tracker/tracker_paths.h"

namespace {

using namespace vorta::analytics;

TEST(OsVersionTextTest, NamesEveryWindowsGeneration) {
    struct Case {
        NtVersion version;
        bool is64;
        bool serverR2;
        const char* text;
    };
    const Case cases[] = {
        {{4, 0, 1381}, false, false, "XP-"},
        {{5, 0, 2195}, false, false, "2K"},
        {{5, 1, 2600}, false, false, "XP"},
        {{5, 2, 3790}, true, false, "XP64"},
        {{5, 2, 3790}, false, true, "Server 2003 R2"},
        {{5, 2, 3790}, false, false, "Server 2003"},
        {{5, 3, 0}, false, false, "XP+"},
        {{6, 0, 6002}, true, false, "Vista64"},
        {{6, 0, 6002}, false, false, "Vista"},
        {{6, 1, 7601}, true, false, "7"},
        {{6, 1, 7601}, false, false, "7-32"},
        {{6, 2, 9200}, true, false, "8"},
        {{6, 2, 9200}, false, false, "8-32"},
        {{6, 3, 9600}, false, false, "8.1"},
        {{6, 4, 0}, true, false, "8.1+"},
        {{10, 0, 19045}, true, false, "10"},
        {{10, 0, 22000}, true, false, "11"},
        {{10, 1, 0}, true, false, "11+"},
        {{12, 3, 4567}, true, false, "12.3.4567"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OsVersionText(c.version, c.is64, c.serverR2), c.text)
            << c.version.major << "." << c.version.minor << "." << c.version.build;
    }
}

TEST(OsVersionTextTest, RunningSystemHasAName) {
    EXPECT_EQ(OsName(), "Windows");
    EXPECT_FALSE(OsVersion().empty());
}

TEST(UserAgentTest, CarriesSystemAndBitness) {
    EXPECT_EQ(UserAgent("Windows", "10", true), "Mozilla/5.0(Windows 10; Win64;)");
    EXPECT_EQ(UserAgent("Windows", "7-32", false), "Mozilla/5.0(Windows 7-32; Win32;)");
}

TEST(LocaleTest, ChosenLocaleWinsOnlyWithAnUnderscore) {
    const Locale system{"zh", "CN", "zh_CN"};
    const Locale chosen = LocaleFor("en_US_POSIX", system);
    EXPECT_EQ(chosen.language, "en");
    EXPECT_EQ(chosen.country, "US_POSIX");
    EXPECT_EQ(chosen.text, "en_US_POSIX");
    EXPECT_EQ(LocaleFor("en", system).text, "zh_CN");
    EXPECT_EQ(LocaleFor("", system).language, "zh");
}

TEST(LocaleTest, SystemLocaleIsLanguageAndCountry) {
    const Locale locale = SystemLocale();
    EXPECT_EQ(locale.text, locale.language + "_" + locale.country);
    EXPECT_FALSE(locale.language.empty());
}

TEST(DistinctIdTest, GuidIsWrittenInUpperCaseGroups) {
    const GUID guid = {
        0x0123abcd, 0x45ef, 0x6a7b, {0x8c, 0x9d, 0x0e, 0x1f, 0x2a, 0x3b, 0x4c, 0x5d}};
    EXPECT_EQ(FormatDistinctId(guid), "0123ABCD-45EF-6A7B-8C9D-0E1F2A3B4C5D");
}

TEST(DistinctIdTest, NewIdsAreGuidsAndDiffer) {
    const std::regex guid("[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}");
    const std::string first = NewDistinctId();
    EXPECT_TRUE(std::regex_match(first, guid)) << first;
    EXPECT_NE(first, NewDistinctId());
}

TEST(DistinctIdTest, FallbackLooksLikeAVersion4Id) {
    // Third group: (r5 & 0xFFF) | 0x4000; fourth: r4 mod 0x3FFF + 0x8000.
    const std::regex shape("[0-9a-f]+-[0-9a-f]+-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]+");
    const std::string first = FallbackDistinctId();
    EXPECT_TRUE(std::regex_match(first, shape)) << first;
    EXPECT_NE(first, FallbackDistinctId());
}

TEST(TrackerPathsTest, PointerFileSitsBesideTheExecutable) {
    EXPECT_EQ(PointerFilePath("C:\\Program Files\\Q\\setup.exe"), "C:\\Program Files\\Q\\Set.ini");
    EXPECT_EQ(PointerFilePath("C:/Q/setup.exe"), "C:\\Q\\Set.ini");
}

TEST(TrackerPathsTest, LayoutFollowsThePointer) {
    struct Case {
        const char* pointer;
        const char* stagingDir;
        const char* configPath;
    };
    const Case cases[] = {
        {"", "C:\\Local\\ZRLocal\\Quillora.downloader\\",
         "C:\\Local\\ZRLocal\\Quillora.downloader\\Quillora.downloader_ZRSConfigure.ini"},
        {"shared.ini", "C:\\Local\\ZRLocal\\Quillora.downloader\\",
         "C:\\Local\\ZRLocal\\Quillora.downloader\\Quillora.downloader_ZRSConfigure.ini"},
        {"C:/Data/shared.ini", "C:\\Data\\", "C:\\Data\\shared.ini"},
        {"D:\\a\\b\\c.ini", "D:\\a\\b\\", "D:\\a\\b\\c.ini"},
    };
    for (const Case& c : cases) {
        const TrackerPaths paths =
            ResolveTrackerPaths(c.pointer, "C:\\Local", "Quillora.downloader");
        EXPECT_EQ(paths.stagingDir, c.stagingDir) << c.pointer;
        EXPECT_EQ(paths.configPath, c.configPath) << c.pointer;
    }
    EXPECT_EQ(DefaultLogFilePath({"C:\\Data\\", "C:\\Data\\shared.ini"}, "Quillora.downloader"),
              "C:\\Data\\Quillora.downloader_ZRSLog.txt");
}

}  // namespace
