#pragma once

// The analytics SDK core: one process-wide instance that turns events and
// user-profile changes into records, queues them and posts them in batches
// to the collector. Every operation is static and acts on that instance;
// while none exists (before Init, after Shutdown) they do nothing and
// return false where they give a result. Any thread may call them.

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "analytics/core/record_builder.h"
#include "analytics/core/record_queue.h"
#include "analytics/core/value_node.h"

namespace usage_analytics {

class Sdk {
public:
    // Creates the instance unless one exists (an existing one is kept as it
    // is). False, with the id-check message, when `distinctId` is empty or
    // longer than 255 bytes. `stagingPath` is a file in the ANSI code page;
    // `serverUrl` is the collector URL with its path and query.
    static bool Init(const std::string& stagingPath, const std::string& serverUrl,
                     const std::string& distinctId, bool isLoginId);
    static bool IsInitialized();

    // Copies every entry into the super properties that every "track"
    // record carries.
    static void RegisterSuperProperties(const PropertiesNode& properties);

    static void Track(const std::string& event, const PropertiesNode& properties = {});
    // A "track" record whose properties start as {"$ios_install_source": ""}.
    static void TrackInstallation(const std::string& event, const PropertiesNode& properties);

    // Queues the "$SignUp" record that links the current distinct id to
    // `loginId`, then makes `loginId` the distinct id, as a login id. An id
    // that fails the id check is refused and changes nothing.
    static void Login(const std::string& loginId);
    // Replaces the identity without a record, for logins the caller has
    // already recorded.
    static void SetDistinctId(const std::string& distinctId, bool isLoginId);

    static void ProfileSet(const PropertiesNode& properties);
    static void ProfileSet(const std::string& key, const std::string& value);
    static void ProfileSet(const std::string& key, std::int64_t value);
    static void ProfileSet(const std::string& key, double value);
    static void ProfileSetOnce(const PropertiesNode& properties);
    static void ProfileSetOnce(const std::string& key, const std::string& value);
    static void ProfileSetOnce(const std::string& key, std::int64_t value);
    static void ProfileSetOnce(const std::string& key, double value);
    static void ProfileIncrement(const PropertiesNode& properties);
    static void ProfileIncrement(const std::string& key, std::int64_t value);
    static void ProfileAppend(const std::string& key, const std::string& value);

    // Sends every queued record; true when the queue is empty at the end.
    static bool Flush();

    // Writes the queue to the staging file for the next run and destroys
    // the instance.
    static void Shutdown();

    Sdk(const Sdk&) = delete;
    Sdk& operator=(const Sdk&) = delete;

private:
    Sdk(const std::string& stagingPath, const std::string& serverUrl, std::string distinctId,
        bool isLoginId);

    // The instance, kept alive for the caller's operation even when another
    // thread shuts the SDK down meanwhile; null when none exists.
    static std::shared_ptr<Sdk> Instance();
    static void AddProfileRecord(const char* type, const PropertiesNode& properties);

    // Builds a record for the current distinct id and queues it, or reports
    // why a check refused it.
    void AddRecord(const char* type, const std::string& event, const PropertiesNode& properties);
    void SignUp(const std::string& loginId);
    void Enqueue(const BuiltRecord& record);

    // Guards the identity and the super properties, which callers may
    // change on one thread while another records.
    mutable std::mutex identityLock_;
    PropertiesNode superProperties_;
    std::string distinctId_;
    bool isLoginId_;
    RecordQueue queue_;
};

}  // namespace usage_analytics
