// "Set.ini" beside an executable points its tracker at a config file that
// several programs share. The probe runs from a folder of its own so that
// the pointer affects nothing else.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>

#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_paths.h"
#include "tests/tracker/tracker_test_env.h"
#include "utils/text_encoding.h"

namespace {

using namespace std::chrono_literals;
using TestSupport::CollectorServer;
using TestSupport::JsonValue;

std::string IniValue(const std::wstring& path, const wchar_t* section, const wchar_t* key) {
    wchar_t value[256] = {};
    GetPrivateProfileStringW(section, key, L"", value, 256, path.c_str());
    return Utils::ToUtf8(value);
}

class SharedConfigTest : public testing::Test {
protected:
    static void SetUpTestSuite() { TrackerTest::StartTransferLibrary(); }
    static void TearDownTestSuite() { TrackerTest::StopTransferLibrary(); }

    void SetUp() override {
        ASSERT_TRUE(collector_.Started());
        ASSERT_TRUE(
            CopyFileW((TestSupport::BuildDir() + L"\\tests\\tracker\\tracker_probe.exe").c_str(),
                      (folder_ / L"tracker_probe.exe").c_str(), FALSE));
    }

    void PointAt(const std::wstring& configPath) {
        TestSupport::WriteBytes(folder_ / L"Set.ini", "[Install]\r\nZRUsageAnalyticsIni=" +
                                                          Utils::ToAnsi(configPath) + "\r\n");
    }

    std::optional<DWORD> RunProbe() {
        TestSupport::ChildProcess probe(L"\"" + (folder_ / L"tracker_probe.exe") + L"\" " +
                                        Utils::FromUtf8(appName_) + L" " +
                                        Utils::FromUtf8(collector_.Url()));
        return probe.Wait(60s);
    }

    CollectorServer collector_;
    TestSupport::TempDir folder_;
    const std::string appName_ = TrackerTest::UniqueAppName();
    TrackerTest::StagingCleanup cleanup_{appName_};
};

TEST_F(SharedConfigTest, TrackerUsesTheSharedFileAndItsFolder) {
    // Forward slashes and folders that do not exist yet.
    std::wstring shared = folder_.Path() + L"/shared/data/shared.ini";
    PointAt(shared);
    ASSERT_EQ(RunProbe(), std::optional<DWORD>(0u));
    const std::wstring config = folder_ / L"shared\\data\\shared.ini";
    const std::string deviceId = IniValue(config, L"Base", L"DistinctId");
    EXPECT_EQ(deviceId.size(), 36u);
    EXPECT_EQ(IniValue(config, L"UninstallInfo", L"AppStore"), "tracker_probe.exe");
    EXPECT_TRUE(TestSupport::FileExists(
        folder_ / (L"shared\\data\\" + Utils::FromUtf8(appName_) + L"_ZRSLog.txt")));
    EXPECT_FALSE(
        TestSupport::FileExists(Utils::FromAnsi(TrackerTest::DefaultStagingDir(appName_))));

    ASSERT_EQ(RunProbe(), std::optional<DWORD>(0u));
    const JsonValue records = collector_.Records();
    ASSERT_EQ(records.Size(), 2u);
    EXPECT_EQ(records[0]["distinct_id"].Text(), deviceId);
    EXPECT_EQ(records[1]["distinct_id"].Text(), deviceId);  // the second run reuses it
}

TEST_F(SharedConfigTest, UnwritableSharedFolderStillReports) {
    TestSupport::WriteBytes(folder_ / L"file", "x");
    const std::wstring config = folder_ / L"file\\sub\\shared.ini";
    PointAt(config);
    ASSERT_EQ(RunProbe(), std::optional<DWORD>(0u));
    EXPECT_FALSE(TestSupport::FileExists(config));
    const JsonValue records = collector_.Records();
    ASSERT_EQ(records.Size(), 1u);
    EXPECT_EQ(records[0]["properties"]["zr_task_name"].Text(), "probe");
    EXPECT_EQ(records[0]["distinct_id"].Text().size(), 36u);
}

TEST_F(SharedConfigTest, PointerWithoutAFolderMeansTheDefaultLayout) {
    PointAt(L"shared.ini");
    ASSERT_EQ(RunProbe(), std::optional<DWORD>(0u));
    const std::string staging = TrackerTest::DefaultStagingDir(appName_);
    EXPECT_TRUE(TestSupport::FileExists(Utils::FromAnsi(staging + appName_ + "_ZRSConfigure.ini")));
    EXPECT_FALSE(TestSupport::FileExists(folder_ / L"shared.ini"));
}

}  // namespace
