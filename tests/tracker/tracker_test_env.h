#pragma once

// Shared by the tracker and event tests: trackers with their own folders,
// posting to a test collector, and the records that reach it.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analytics/tracker/usage_tracker.h"
#include "tests/support/collector_server.h"

namespace TrackerTest {

// An application name no other test of this machine uses.
std::string UniqueAppName();

// The staging folder of `appName` in the default layout (ANSI path).
std::string DefaultStagingDir(const std::string& appName);

// A configuration that init accepts, for `appName`, posting to `serverUrl`.
vorta::analytics::UsageTrackerConfig ConfigFor(const std::string& appName,
                                               const std::string& serverUrl);

// Removes the tracker's staging folder when the test ends.
class StagingCleanup {
public:
    explicit StagingCleanup(std::string appName) : appName_(std::move(appName)) {}
    ~StagingCleanup();
    StagingCleanup(const StagingCleanup&) = delete;
    StagingCleanup& operator=(const StagingCleanup&) = delete;

private:
    std::string appName_;
};

// The records of `type` ("track", "profile_set", ...) whose "event" is
// `event` (any event when empty), in arrival order.
std::vector<TestSupport::JsonValue> RecordsOf(const TestSupport::JsonValue& records,
                                              const std::string& type,
                                              const std::string& event = "");

// Waits (bounded) until the collector holds at least `count` records.
bool WaitForRecords(const TestSupport::CollectorServer& collector, std::size_t count);

// Starts libcurl for the collector's control requests and the SDK's posts.
void StartTransferLibrary();
void StopTransferLibrary();

// Tests that share one test collector, emptied before each test, and whose
// trackers get an application name (and staging folder) of their own.
class CollectorSuite : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    // Empties the collector and, as at process start, marks that no send
    // has reached a collector yet.
    void SetUp() override;

    inline static TestSupport::CollectorServer* collector_ = nullptr;
    const std::string appName_ = UniqueAppName();
    StagingCleanup cleanup_{appName_};
};

}  // namespace TrackerTest
