// The tracker's files: the identity in its config file, the folders, the
// log, and the default layout a real init produces.

#include <gtest/gtest.h>
#include <windows.h>

#include "analytics/core/sdk.h"
#include "analytics/tracker/track_logger.h"
#include "analytics/tracker/tracker_identity.h"
#include "analytics/tracker/tracker_paths.h"
#include "analytics/tracker/usage_tracker_impl.h"
#include "analytics/tracker/zr_exception.h"
#include "tests/support/temp_dir.h"
#include "tests/tracker/tracker_test_env.h"
#include "utils/text_encoding.h"

namespace {

using namespace vorta::analytics;
using TestSupport::TempDir;

// Nothing listens there: these tests never send.
constexpr char kUnusedCollector[] = "http://127.0.0.1:9/sa?project=pc";

std::string Ansi(const std::wstring& path) { return Utils::ToAnsi(path); }

std::string IniValue(const std::string& path, const char* section, const char* key) {
    char value[256] = {};
    GetPrivateProfileStringA(section, key, "", value, sizeof value, path.c_str());
    return value;
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(IdentityFileTest, FirstLoadCreatesAnIdAndTheNextReusesIt) {
    TempDir folder;
    const std::string config = Ansi(folder / L"tracker.ini");
    const TrackerIdentity first = LoadIdentity(config);
    EXPECT_EQ(first.distinctId.size(), 36u);
    EXPECT_TRUE(Exists(config));
    EXPECT_EQ(IniValue(config, "Base", "DistinctId"), first.distinctId);
    EXPECT_EQ(IniValue(config, "Base", "isLogined"), "NG");
    EXPECT_EQ(LoadIdentity(config).distinctId, first.distinctId);
}

TEST(IdentityFileTest, ReadsEveryField) {
    TempDir folder;
    const std::wstring config = folder / L"tracker.ini";
    TestSupport::WriteBytes(config,
                            "[Base]\r\nDistinctId=D-1\r\nPrimaryDistinctId=\r\nUserId=u-7\r\n"
                            "UserVipLevel=3\r\nisLogined=OK\r\nURL=http://x/sa\r\n");
    const TrackerIdentity identity = LoadIdentity(Ansi(config));
    EXPECT_EQ(identity.distinctId, "D-1");
    EXPECT_EQ(identity.primaryDistinctId, "D-1");  // empty: a copy of DistinctId
    EXPECT_EQ(identity.userId, "u-7");
    EXPECT_EQ(identity.userVipLevel, 3);
    EXPECT_TRUE(identity.isLogined);
    EXPECT_EQ(identity.url, "http://x/sa");

    TestSupport::WriteBytes(config, "[Base]\r\nDistinctId=D-1\r\nisLogined=ok\r\n");
    EXPECT_FALSE(LoadIdentity(Ansi(config)).isLogined);
}

TEST(IdentityFileTest, StoreWritesTheBaseAndUninstallSections) {
    TempDir folder;
    const std::string config = Ansi(folder / L"tracker.ini");
    StoreIdentity(config, {true, "u-1", "u-1", "P-1", 2, "http://x/sa"});
    StoreUninstallInfo(config, "setup.exe", "Quillora.downloader", "1.7.9");
    const TrackerIdentity identity = LoadIdentity(config);
    EXPECT_TRUE(identity.isLogined);
    EXPECT_EQ(identity.primaryDistinctId, "P-1");
    EXPECT_EQ(identity.userVipLevel, 2);
    EXPECT_EQ(IniValue(config, "UninstallInfo", "AppStore"), "setup.exe");
    EXPECT_EQ(IniValue(config, "UninstallInfo", "AppName"), "Quillora.downloader");
    EXPECT_EQ(IniValue(config, "UninstallInfo", "AppVersion"), "1.7.9");
}

TEST(IdentityFileTest, UnwritableFolderStillGivesAnIdButKeepsNone) {
    TempDir folder;
    // A folder below a file can never be created.
    TestSupport::WriteBytes(folder / L"file", "x");
    const std::string config = Ansi(folder / L"file\\sub\\tracker.ini");
    EXPECT_FALSE(CreateDirectoryRecursive(Ansi(folder / L"file\\sub\\")));
    const std::string first = LoadIdentity(config).distinctId;
    EXPECT_EQ(first.size(), 36u);
    EXPECT_FALSE(Exists(config));
    EXPECT_NE(LoadIdentity(config).distinctId, first);
}

TEST(TrackerFoldersTest, CreatesEveryMissingLevel) {
    TempDir folder;
    const std::string nested = Ansi(folder.Path()) + "/a/b\\c";
    EXPECT_TRUE(CreateDirectoryRecursive(nested));
    EXPECT_TRUE(Exists(Ansi(folder / L"a\\b\\c")));
    EXPECT_TRUE(CreateDirectoryRecursive(nested));
}

TEST(TrackLoggerTest, CreatesTheFileAndHoldsItOpen) {
    TempDir folder;
    const std::string first = Ansi(folder / L"one.txt");
    const std::string second = Ansi(folder / L"two.txt");
    NativeTrackLogger logger;
    EXPECT_EQ(logger.path(), "");
    logger.open(first);
    EXPECT_TRUE(Exists(first));
    EXPECT_EQ(logger.path(), first);
    logger.open(first);
    EXPECT_EQ(logger.path(), first);
    logger.open(second);
    EXPECT_EQ(logger.path(), second);
    EXPECT_TRUE(DeleteFileA(first.c_str()));  // no longer held
    logger.close();
    EXPECT_EQ(logger.path(), "");
    EXPECT_TRUE(DeleteFileA(second.c_str()));
}

TEST(TrackerInitTest, RefusesAnIncompleteConfiguration) {
    struct Case {
        UsageTrackerConfig config;
        const char* message;
    };
    UsageTrackerConfig complete = TrackerTest::ConfigFor("Quillora.test", kUnusedCollector);
    Case cases[] = {{complete, "appName is empty"},
                    {complete, "appVersion is empty"},
                    {complete, "appStore is empty"}};
    cases[0].config.appName.clear();
    cases[0].config.appVersion.clear();  // the name is checked first
    cases[1].config.appVersion.clear();
    cases[2].config.appStore.clear();
    for (const Case& c : cases) {
        UsageTrackerImpl tracker(c.config);
        try {
            tracker.init();
            ADD_FAILURE() << "init accepted the configuration for " << c.message;
        } catch (const ZrException& error) {
            EXPECT_STREQ(error.what(), c.message);
            EXPECT_EQ(error.function(), "init");
        }
        EXPECT_EQ(tracker.getTrackLogger(), nullptr);
    }
    EXPECT_FALSE(usage_analytics::Sdk::IsInitialized());
}

TEST(TrackerInitTest, DefaultLayoutKeepsTheDeviceIdAcrossRuns) {
    const std::string appName = TrackerTest::UniqueAppName();
    TrackerTest::StagingCleanup cleanup(appName);
    const std::string staging = TrackerTest::DefaultStagingDir(appName);
    const std::string config = staging + appName + "_ZRSConfigure.ini";

    std::string deviceId;
    {
        UsageTrackerImpl tracker(TrackerTest::ConfigFor(appName, kUnusedCollector));
        tracker.init();
        deviceId = tracker.getPrimaryDistinctId();
        EXPECT_EQ(tracker.getTrackLogger()->path(), staging + appName + "_ZRSLog.txt");
        EXPECT_TRUE(usage_analytics::Sdk::IsInitialized());
    }
    EXPECT_FALSE(usage_analytics::Sdk::IsInitialized());
    EXPECT_EQ(deviceId.size(), 36u);
    EXPECT_TRUE(Exists(staging + appName + "_ZRSLog.txt"));
    EXPECT_EQ(IniValue(config, "Base", "DistinctId"), deviceId);
    EXPECT_EQ(IniValue(config, "Base", "PrimaryDistinctId"), deviceId);
    EXPECT_EQ(IniValue(config, "Base", "URL"), kUnusedCollector);
    EXPECT_EQ(IniValue(config, "Base", "isLogined"), "NG");
    EXPECT_EQ(IniValue(config, "UninstallInfo", "AppName"), appName);

    UsageTrackerImpl again(TrackerTest::ConfigFor(appName, kUnusedCollector));
    again.init();
    EXPECT_EQ(again.getPrimaryDistinctId(), deviceId);
}

}  // namespace
