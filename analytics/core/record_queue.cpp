#include "analytics/core/record_queue.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "analytics/core/diagnostics.h"
#include "analytics/core/staging_file.h"

namespace usage_analytics {

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

std::string JoinBatch(const std::deque<std::string>& records) {
    std::string batch = "[";
    for (const std::string& record : records) {
        if (batch.size() > 1) batch += ',';
        batch += record;
    }
    batch += ']';
    return batch;
}

}  // namespace

RecordQueue::RecordQueue(std::string stagingPath, BatchPoster post)
    : stagingPath_(std::move(stagingPath)), post_(std::move(post)) {}

void RecordQueue::Push(std::string record) {
    Lock guard(queueLock_);
    records_.push_back(std::move(record));
    if (records_.size() > kCapacity) records_.pop_front();
}

std::size_t RecordQueue::Size() const {
    Lock guard(queueLock_);
    return records_.size();
}

void RecordQueue::LoadStagedRecords() {
    Lock guard(queueLock_);
    if (!loadPending_) return;
    if (records_.size() < kCapacity) {
        std::vector<std::string> staged = ReadStagedRecords(stagingPath_);
        // The newest staged records are kept when not all of them fit.
        const std::size_t room = kCapacity - records_.size();
        const std::size_t skipped = staged.size() > room ? staged.size() - room : 0;
        records_.insert(records_.begin(), std::make_move_iterator(staged.begin() + skipped),
                        std::make_move_iterator(staged.end()));
    }
    ClearStagingFile(stagingPath_);
    loadPending_ = false;
}

bool RecordQueue::SendBatch() {
    LoadStagedRecords();
    Lock batchGuard(batchLock_);
    std::deque<std::string> batch;
    {
        Lock guard(queueLock_);
        const std::size_t count = std::min(records_.size(), kBatchSize);
        if (count == 0) return true;
        batch.assign(std::make_move_iterator(records_.begin()),
                     std::make_move_iterator(records_.begin() + count));
        records_.erase(records_.begin(), records_.begin() + count);
    }

    bool sent = false;
    try {
        sent = post_(JoinBatch(batch));
    } catch (const std::exception& error) {
        ReportError(std::string("Exception when flush failed: (") + error.what() + ") \n");
    }
    if (!sent) {
        Lock guard(queueLock_);
        // Records pushed meanwhile are newer and stay; the batch's oldest
        // records give way when the queue has no room for all of it.
        const std::size_t room = kCapacity - std::min(records_.size(), kCapacity);
        const std::size_t dropped = batch.size() > room ? batch.size() - room : 0;
        records_.insert(records_.begin(), std::make_move_iterator(batch.begin() + dropped),
                        std::make_move_iterator(batch.end()));
    }
    return sent;
}

bool RecordQueue::SendAll() {
    LoadStagedRecords();
    while (Size() > 0) {
        if (!SendBatch()) return false;
    }
    return true;
}

void RecordQueue::Persist() {
    Lock batchGuard(batchLock_);
    Lock guard(queueLock_);
    LoadStagedRecords();
    WriteStagingFile(stagingPath_, records_);
    records_.clear();
}

}  // namespace usage_analytics
