#include "tests/tracker/tracker_test_env.h"

#include <windows.h>
#include <shlobj.h>

#include <curl/curl.h>

#include <atomic>
#include <chrono>

#include "analytics/core/send_status.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "utils/text_encoding.h"

namespace TrackerTest {

std::string UniqueAppName() {
    static std::atomic<int> counter{0};
    return "TrackerTest." + std::to_string(GetCurrentProcessId()) + "." +
           std::to_string(GetTickCount()) + "." + std::to_string(++counter);
}

std::string DefaultStagingDir(const std::string& appName) {
    char folder[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, folder);
    char shortFolder[MAX_PATH] = {};
    GetShortPathNameA(folder, shortFolder, MAX_PATH);
    return std::string(shortFolder) + "\\ZRLocal\\" + appName + "\\";
}

vorta::analytics::UsageTrackerConfig ConfigFor(const std::string& appName,
                                               const std::string& serverUrl) {
    vorta::analytics::UsageTrackerConfig config;
    config.appName = appName;
    config.appVersion = "1.7.9";
    config.appStore = "QuilloraInstaller.exe";
    config.dlAppId = "Quillora";
    config.serverUrl = serverUrl;
    return config;
}

StagingCleanup::~StagingCleanup() {
    TestSupport::RemoveTree(Utils::FromAnsi(DefaultStagingDir(appName_)));
}

std::vector<TestSupport::JsonValue> RecordsOf(const TestSupport::JsonValue& records,
                                              const std::string& type, const std::string& event) {
    std::vector<TestSupport::JsonValue> matching;
    for (const TestSupport::JsonValue& record : records.Items()) {
        if (record["type"].Text() == type && (event.empty() || record["event"].Text() == event)) {
            matching.push_back(record);
        }
    }
    return matching;
}

bool WaitForRecords(const TestSupport::CollectorServer& collector, std::size_t count) {
    return TestSupport::WaitUntil([&] { return collector.Records().Size() >= count; },
                                  std::chrono::seconds(15), std::chrono::milliseconds(50));
}

void StartTransferLibrary() { curl_global_init(CURL_GLOBAL_ALL); }

void StopTransferLibrary() { curl_global_cleanup(); }

void CollectorSuite::SetUpTestSuite() {
    StartTransferLibrary();
    collector_ = new TestSupport::CollectorServer();
}

void CollectorSuite::TearDownTestSuite() {
    delete collector_;
    collector_ = nullptr;
    StopTransferLibrary();
}

void CollectorSuite::SetUp() {
    ASSERT_TRUE(collector_->Started());
    ASSERT_TRUE(collector_->Reset());
    usage_analytics::SetLastSendOk(false);
}

}  // namespace TrackerTest
