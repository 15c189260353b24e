#pragma once

// The bounded queue of serialised records waiting for the collector, with
// its staging file and the batch sends that empty it.

#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>

namespace usage_analytics {

class RecordQueue {
public:
    static constexpr std::size_t kCapacity = 1024;
    static constexpr std::size_t kBatchSize = 30;

    // Posts one batch (a JSON array); true when the collector took it.
    using BatchPoster = std::function<bool(const std::string& batch)>;

    RecordQueue(std::string stagingPath, BatchPoster post);

    // Appends a record; a full queue drops its oldest record.
    void Push(std::string record);

    // Sends up to kBatchSize of the oldest records. A failed batch goes back
    // to the front of the queue, as far as the queue has room for it.
    bool SendBatch();

    // Sends batches until the queue is empty (true) or a batch fails.
    bool SendAll();

    // Writes every queued record to the staging file, after the staged
    // records of the previous run if they were never loaded, and empties
    // the queue. Waits for a batch in flight so that its records are
    // written too when it fails.
    void Persist();

    std::size_t Size() const;

private:
    // Moves the previous run's staged records to the front of the queue,
    // once per queue.
    void LoadStagedRecords();

    const std::string stagingPath_;
    const BatchPoster post_;
    // Guards records_, loadPending_ and the staging file. Recursive because
    // Persist() loads the staged records while holding it.
    mutable std::recursive_mutex queueLock_;
    // Serialises batch sends; always taken before queueLock_, and never
    // held by a thread that holds queueLock_ alone.
    std::recursive_mutex batchLock_;
    std::deque<std::string> records_;
    bool loadPending_ = true;
};

}  // namespace usage_analytics
