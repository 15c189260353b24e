#include <gtest/gtest.h>

#include <curl/curl.h>

#include <chrono>
#include <string>
#include <thread>

#include "analytics/core/collector_sender.h"
#include "analytics/core/sdk.h"
#include "analytics/core/send_status.h"
#include "tests/support/collector_server.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "utils/text_encoding.h"

namespace {

using namespace usage_analytics;
using TestSupport::CollectorServer;
using TestSupport::JsonValue;
using Clock = std::chrono::steady_clock;

constexpr char kDevice[] = "4C3B2A19-0000-4000-8000-00000000D1CE";
constexpr auto kSlack = std::chrono::milliseconds(1500);

// The SDK posting to a test collector that decodes every batch; one
// collector for the suite, reset before each test.
class SdkWireTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        curl_global_init(CURL_GLOBAL_ALL);
        collector_ = new CollectorServer();
    }
    static void TearDownTestSuite() {
        delete collector_;
        curl_global_cleanup();
    }

    void SetUp() override {
        ASSERT_TRUE(collector_->Started());
        ASSERT_TRUE(collector_->Reset());
        ASSERT_TRUE(Sdk::Init(StagingPath(), collector_->Url(), kDevice, false));
    }
    void TearDown() override { Sdk::Shutdown(); }

    std::string StagingPath() const { return Utils::ToAnsi(staging_ / L"staging.txt"); }

    static void TrackSequence(int first, int count) {
        for (int n = first; n < first + count; ++n) {
            PropertiesNode properties;
            properties.SetInteger("seq", n);
            Sdk::Track("ZrEventView", properties);
        }
    }

    // The "seq" of every received record, in arrival order.
    static std::vector<int> ReceivedSequence() {
        std::vector<int> sequence;
        const JsonValue records = collector_->Records();
        for (const JsonValue& record : records.Items()) {
            sequence.push_back(static_cast<int>(record["properties"]["seq"].Number()));
        }
        return sequence;
    }

    static std::vector<int> Range(int first, int count) {
        std::vector<int> range;
        for (int n = first; n < first + count; ++n) range.push_back(n);
        return range;
    }

    // The number of records of each POST, in order.
    static std::vector<int> BatchSizes() {
        std::vector<int> sizes;
        const JsonValue requests = collector_->Requests();
        for (const JsonValue& request : requests.Items()) {
            sizes.push_back(static_cast<int>(request["records"].Number()));
        }
        return sizes;
    }

    static CollectorServer* collector_;
    TestSupport::TempDir staging_;
};

CollectorServer* SdkWireTest::collector_ = nullptr;

TEST_F(SdkWireTest, RecordsArriveIntact) {
    PropertiesNode super;
    super.SetText("zr_app_id", "Quillora");
    Sdk::RegisterSuperProperties(super);

    PropertiesNode click;
    click.SetText("zr_name", "立即安装");
    click.SetText("zr_reason", "磁盘空间不足\r\n\"C:\\Program Files\"\t");
    click.SetNumber("zr_task_elapsed", 2.5);
    click.SetInteger("zr_tab_index", -7);
    click.SetBool("$is_first_time", true);
    click.SetText("kept", std::string(8192, 'k'));
    click.SetText("refused", std::string(8193, 'r'));
    click.SetDateTime("$time", 1700000000, 250);
    Sdk::Track("ZrEventClick", click);
    Sdk::ProfileSet("zr_os", std::string("Windows"));
    Sdk::ProfileIncrement("zr_paid_count", std::int64_t{1});
    Sdk::ProfileAppend("zr_label", "新用户");
    Sdk::TrackInstallation("ZrEventActivity", {});

    ASSERT_TRUE(Sdk::Flush());
    EXPECT_TRUE(LastSendOk());
    const JsonValue records = collector_->Records();
    ASSERT_EQ(records.Size(), 5u);

    const JsonValue& track = records[0];
    EXPECT_EQ(track["type"].Text(), "track");
    EXPECT_EQ(track["event"].Text(), "ZrEventClick");
    EXPECT_EQ(track["distinct_id"].Text(), kDevice);
    EXPECT_EQ(track["time"].NumberText(), "1700000000250");
    EXPECT_EQ(track["lib"]["$lib_method"].Text(), "code");
    const JsonValue& properties = track["properties"];
    EXPECT_EQ(properties["zr_name"].Text(), "立即安装");
    EXPECT_EQ(properties["zr_reason"].Text(), "磁盘空间不足\r\n\"C:\\Program Files\"\t");
    EXPECT_EQ(properties["zr_task_elapsed"].NumberText(), "2.5");
    EXPECT_EQ(properties["zr_tab_index"].NumberText(), "-7");
    EXPECT_TRUE(properties["$is_first_time"].Bool());
    EXPECT_EQ(properties["kept"].Text().size(), 8192u);
    EXPECT_FALSE(properties.Has("refused"));
    EXPECT_FALSE(properties.Has("$time"));
    EXPECT_EQ(properties["zr_app_id"].Text(), "Quillora");
    EXPECT_EQ(properties["$lib_version"].Text(), "0.9");

    EXPECT_EQ(records[1]["type"].Text(), "profile_set");
    EXPECT_EQ(records[1]["properties"].Size(), 1u);
    EXPECT_EQ(records[1]["properties"]["zr_os"].Text(), "Windows");
    EXPECT_EQ(records[2]["properties"]["zr_paid_count"].NumberText(), "1");
    EXPECT_EQ(records[3]["properties"]["zr_label"][0].Text(), "新用户");
    EXPECT_EQ(records[4]["properties"]["$ios_install_source"].Text(), "");
    EXPECT_EQ(records[4]["properties"]["zr_app_id"].Text(), "Quillora");

    const JsonValue requests = collector_->Requests();
    ASSERT_EQ(requests.Size(), 1u);
    EXPECT_EQ(requests[0]["path"].Text(), "/sa");
    EXPECT_EQ(requests[0]["query"].Text(), "project=pc");
    EXPECT_EQ(requests[0]["user_agent"].Text(), kUserAgent);
    EXPECT_EQ(requests[0]["content_type"].Text(), "application/x-www-form-urlencoded");
    const std::string body = requests[0]["body"].Text();
    ASSERT_EQ(body.rfind("data_list=", 0), 0u);
    EXPECT_EQ(body.find_first_of("+/="), std::string("data_list").size());
    EXPECT_EQ(body.find_first_of("+/=", 10), body.size() - 2);  // the "=" of "gzip=1"
}

TEST_F(SdkWireTest, LoginSwitchesTheDistinctId) {
    Sdk::Track("BeforeLogin");
    Sdk::Login("");  // refused: nothing changes
    Sdk::Login("user-42");
    Sdk::Track("AfterLogin");
    ASSERT_TRUE(Sdk::Flush());
    const JsonValue records = collector_->Records();
    ASSERT_EQ(records.Size(), 3u);
    EXPECT_EQ(records[0]["distinct_id"].Text(), kDevice);
    EXPECT_FALSE(records[0]["properties"].Has("$is_login_id"));
    EXPECT_EQ(records[1]["type"].Text(), "track_signup");
    EXPECT_EQ(records[1]["event"].Text(), "$SignUp");
    EXPECT_EQ(records[1]["distinct_id"].Text(), "user-42");
    EXPECT_EQ(records[1]["original_id"].Text(), kDevice);
    EXPECT_EQ(records[2]["distinct_id"].Text(), "user-42");
    EXPECT_TRUE(records[2]["properties"]["$is_login_id"].Bool());
}

TEST_F(SdkWireTest, RefusedRecordsAreDropped) {
    PropertiesNode longKey;
    longKey.SetInteger(std::string(101, 'k'), 1);
    Sdk::Track("9lives");
    Sdk::Track("ZrEventView", longKey);
    Sdk::Track("_kept");
    ASSERT_TRUE(Sdk::Flush());
    const JsonValue records = collector_->Records();
    ASSERT_EQ(records.Size(), 1u);
    EXPECT_EQ(records[0]["event"].Text(), "_kept");
}

TEST_F(SdkWireTest, FortyFiveRecordsGoInBatchesOfThirtyAndFifteen) {
    TrackSequence(0, 45);
    EXPECT_TRUE(Sdk::Flush());
    EXPECT_EQ(BatchSizes(), (std::vector<int>{30, 15}));
    EXPECT_EQ(ReceivedSequence(), Range(0, 45));
}

TEST_F(SdkWireTest, FailedSecondBatchReturnsToTheFrontOfTheQueue) {
    ASSERT_TRUE(collector_->SetNextModes({CollectorServer::Mode::Ok, CollectorServer::Mode::Fail}));
    TrackSequence(0, 45);
    EXPECT_FALSE(Sdk::Flush());
    EXPECT_FALSE(LastSendOk());
    EXPECT_EQ(BatchSizes(), (std::vector<int>{30, 15}));
    EXPECT_EQ(ReceivedSequence(), Range(0, 30));

    TrackSequence(45, 1);
    EXPECT_TRUE(Sdk::Flush());
    EXPECT_TRUE(LastSendOk());
    EXPECT_EQ(BatchSizes(), (std::vector<int>{30, 15, 16}));
    EXPECT_EQ(ReceivedSequence(), Range(0, 46));
}

TEST_F(SdkWireTest, The1025thRecordPushesOutTheFirst) {
    TrackSequence(0, 1025);
    EXPECT_TRUE(Sdk::Flush());
    EXPECT_EQ(ReceivedSequence(), Range(1, 1024));
    const std::vector<int> sizes = BatchSizes();
    ASSERT_EQ(sizes.size(), 35u);
    EXPECT_EQ(sizes.back(), 1024 - 34 * 30);
}

TEST_F(SdkWireTest, CollectorThatIsDownKeepsTheRecordsQueued) {
    CollectorServer down;
    ASSERT_TRUE(down.Started());
    const std::string downUrl = down.Url();
    down.Stop();
    Sdk::Shutdown();
    ASSERT_TRUE(Sdk::Init(StagingPath(), downUrl, kDevice, false));
    TrackSequence(0, 3);
    EXPECT_FALSE(Sdk::Flush());
    EXPECT_FALSE(LastSendOk());
    Sdk::Shutdown();

    ASSERT_TRUE(Sdk::Init(StagingPath(), collector_->Url(), kDevice, false));
    EXPECT_TRUE(Sdk::Flush());
    EXPECT_EQ(ReceivedSequence(), Range(0, 3));
}

TEST_F(SdkWireTest, StagedRecordsAreSentFirstByTheNextInstance) {
    TrackSequence(0, 3);
    Sdk::Shutdown();
    const std::wstring stagingFile = staging_ / L"staging.txt";
    std::string staged = TestSupport::ReadBytes(stagingFile);
    ASSERT_EQ(std::count(staged.begin(), staged.end(), '\n'), 3);
    ASSERT_NE(staged.find("}\r\n"), std::string::npos);
    // A line cut off by a crash and stray text are skipped.
    staged += "{\"_track_id\":1,\"distinct\r\nnot a record\r\n";
    ASSERT_TRUE(TestSupport::WriteBytes(stagingFile, staged));

    ASSERT_TRUE(Sdk::Init(StagingPath(), collector_->Url(), kDevice, false));
    TrackSequence(3, 1);
    EXPECT_TRUE(Sdk::Flush());
    EXPECT_EQ(ReceivedSequence(), Range(0, 4));
    EXPECT_EQ(TestSupport::ReadBytes(stagingFile), "");
}

TEST_F(SdkWireTest, HangingCollectorCostsAtMostTheTimeOutPerBatch) {
    ASSERT_TRUE(collector_->SetMode(CollectorServer::Mode::Hang));
    TrackSequence(0, 45);
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto start = Clock::now();
        EXPECT_FALSE(Sdk::Flush());
        const auto elapsed = Clock::now() - start;
        // One batch, abandoned at the time-out; the slack absorbs a busy machine.
        EXPECT_GE(elapsed, std::chrono::seconds(kRequestTimeoutSeconds) - kSlack);
        EXPECT_LT(elapsed, std::chrono::seconds(kRequestTimeoutSeconds) + kSlack);
    }
    ASSERT_TRUE(collector_->SetMode(CollectorServer::Mode::Ok));
    EXPECT_TRUE(Sdk::Flush());
    EXPECT_EQ(ReceivedSequence(), Range(0, 45));
}

TEST_F(SdkWireTest, ShutdownWaitsForTheBatchInFlightAndStagesIt) {
    ASSERT_TRUE(collector_->SetMode(CollectorServer::Mode::Hang));
    TrackSequence(0, 40);
    std::thread flusher([] { Sdk::Flush(); });
    const bool posted = TestSupport::WaitUntil([] { return collector_->Requests().Size() == 1; },
                                               std::chrono::seconds(3));
    Sdk::Shutdown();
    flusher.join();
    ASSERT_TRUE(posted);
    ASSERT_TRUE(collector_->SetMode(CollectorServer::Mode::Ok));

    ASSERT_TRUE(Sdk::Init(StagingPath(), collector_->Url(), kDevice, false));
    EXPECT_TRUE(Sdk::Flush());
    EXPECT_EQ(ReceivedSequence(), Range(0, 40));
}

TEST_F(SdkWireTest, OnlyOneInstanceExistsAtATime) {
    EXPECT_TRUE(Sdk::Init(StagingPath(), "http://127.0.0.1:9/unused", "other-id", true));
    Sdk::Track("Kept");
    EXPECT_TRUE(Sdk::Flush());
    EXPECT_EQ(collector_->Records()[0]["distinct_id"].Text(), kDevice);

    Sdk::Shutdown();
    EXPECT_FALSE(Sdk::IsInitialized());
    Sdk::Track("Ignored");
    EXPECT_FALSE(Sdk::Flush());
    EXPECT_FALSE(Sdk::Init(StagingPath(), collector_->Url(), "", false));
    EXPECT_FALSE(Sdk::Init(StagingPath(), collector_->Url(), std::string(256, 'x'), false));
    EXPECT_FALSE(Sdk::IsInitialized());
    EXPECT_EQ(collector_->Records().Size(), 1u);
}

}  // namespace
