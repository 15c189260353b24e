#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "analytics/core/record_queue.h"
#include "tests/support/temp_dir.h"
#include "utils/text_encoding.h"

namespace {

using usage_analytics::RecordQueue;

std::string Record(int n) { return "{\"n\":" + std::to_string(n) + "}"; }

// The batch text of the records of consecutive ranges {first, count}.
std::string BatchOf(std::initializer_list<std::pair<int, int>> ranges) {
    std::string batch;
    for (const auto& [first, count] : ranges) {
        for (int n = first; n < first + count; ++n) batch += (batch.empty() ? "" : ",") + Record(n);
    }
    return "[" + batch + "]";
}

std::string Batch(int first, int count) { return BatchOf({{first, count}}); }

// A queue whose batches go to a scripted poster instead of a collector.
class RecordQueueTest : public testing::Test {
protected:
    RecordQueueTest()
        : stagingPath_(staging_ / L"staging.txt"),
          queue_(Utils::ToAnsi(stagingPath_), [this](const std::string& batch) {
              batches_.push_back(batch);
              if (duringPost_) duringPost_();
              const bool ok = answers_.empty() || answers_.front();
              if (!answers_.empty()) answers_.erase(answers_.begin());
              return ok;
          }) {}

    void PushRange(int first, int count) {
        for (int n = first; n < first + count; ++n) queue_.Push(Record(n));
    }

    TestSupport::TempDir staging_;
    std::wstring stagingPath_;
    std::vector<std::string> batches_;
    std::vector<bool> answers_;  // per post; true once they run out
    std::function<void()> duringPost_;
    RecordQueue queue_;
};

TEST_F(RecordQueueTest, SendsAtMostThirtyRecordsPerBatch) {
    PushRange(0, 45);
    EXPECT_TRUE(queue_.SendAll());
    EXPECT_EQ(batches_, (std::vector<std::string>{Batch(0, 30), Batch(30, 15)}));
    EXPECT_EQ(queue_.Size(), 0u);
    EXPECT_TRUE(queue_.SendAll());
    EXPECT_EQ(batches_.size(), 2u);
}

TEST_F(RecordQueueTest, FailedBatchReturnsToTheFront) {
    PushRange(0, 45);
    answers_ = {true, false};
    EXPECT_FALSE(queue_.SendAll());
    EXPECT_EQ(queue_.Size(), 15u);
    PushRange(45, 1);
    EXPECT_TRUE(queue_.SendAll());
    EXPECT_EQ(batches_, (std::vector<std::string>{Batch(0, 30), Batch(30, 15), Batch(30, 16)}));
}

TEST_F(RecordQueueTest, FailedBatchGivesWayToNewerRecordsWhenTheQueueFilledUp) {
    PushRange(0, 30);
    answers_ = {false};
    duringPost_ = [this] {
        duringPost_ = nullptr;
        PushRange(1000, RecordQueue::kCapacity - 14);
    };
    EXPECT_FALSE(queue_.SendBatch());
    ASSERT_EQ(queue_.Size(), RecordQueue::kCapacity);
    EXPECT_TRUE(queue_.SendBatch());
    // Only the batch's 14 newest records fit back, ahead of the newer ones.
    EXPECT_EQ(batches_.back(), BatchOf({{16, 14}, {1000, 16}}));
}

TEST_F(RecordQueueTest, The1025thRecordPushesOutTheFirst) {
    PushRange(0, RecordQueue::kCapacity + 1);
    EXPECT_EQ(queue_.Size(), RecordQueue::kCapacity);
    EXPECT_TRUE(queue_.SendBatch());
    EXPECT_EQ(batches_.front(), Batch(1, 30));
}

TEST_F(RecordQueueTest, StagedRecordsGoFirstAndMalformedLinesAreSkipped) {
    ASSERT_TRUE(TestSupport::WriteBytes(stagingPath_, Record(0) + "\r\n\r\nnot a record\r\n" +
                                                          Record(1) + "\r\n{\"cut\":\r\n" +
                                                          " {\"n\":9}\r\n" + Record(2) + "\r\n"));
    PushRange(3, 2);
    EXPECT_TRUE(queue_.SendAll());
    EXPECT_EQ(batches_, (std::vector<std::string>{Batch(0, 5)}));
    EXPECT_EQ(TestSupport::ReadBytes(stagingPath_), "");
}

TEST_F(RecordQueueTest, StagedRecordsBeyondTheFreeSpaceDropTheOldest) {
    std::string staged;
    for (int n = 0; n < 10; ++n) staged += Record(n) + "\n";
    ASSERT_TRUE(TestSupport::WriteBytes(stagingPath_, staged));
    PushRange(100, RecordQueue::kCapacity - 4);
    EXPECT_TRUE(queue_.SendBatch());
    EXPECT_EQ(batches_.front(), BatchOf({{6, 4}, {100, 26}}));
}

TEST_F(RecordQueueTest, StagingFileIsReadOnlyOnce) {
    ASSERT_TRUE(TestSupport::WriteBytes(stagingPath_, Record(0) + "\n"));
    EXPECT_TRUE(queue_.SendAll());
    ASSERT_TRUE(TestSupport::WriteBytes(stagingPath_, Record(1) + "\n"));
    EXPECT_TRUE(queue_.SendAll());
    EXPECT_EQ(batches_, (std::vector<std::string>{Batch(0, 1)}));
}

TEST_F(RecordQueueTest, PersistWritesUnloadedStagedAndQueuedRecordsAsLines) {
    ASSERT_TRUE(TestSupport::WriteBytes(stagingPath_, Record(0) + "\n"));
    PushRange(1, 2);
    queue_.Persist();
    EXPECT_EQ(TestSupport::ReadBytes(stagingPath_),
              Record(0) + "\r\n" + Record(1) + "\r\n" + Record(2) + "\r\n");
    EXPECT_EQ(queue_.Size(), 0u);
}

TEST_F(RecordQueueTest, MissingStagingFolderLosesNothingQueued) {
    RecordQueue queue(Utils::ToAnsi(staging_ / L"missing\\staging.txt"),
                      [this](const std::string& batch) {
                          batches_.push_back(batch);
                          return true;
                      });
    queue.Push(Record(0));
    EXPECT_TRUE(queue.SendAll());
    EXPECT_EQ(batches_, (std::vector<std::string>{Batch(0, 1)}));
}

}  // namespace
