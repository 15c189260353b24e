#pragma once

// Turns one event or profile change into the compact JSON text of an
// analytics record. Pure: the clock reading and the record id come in with
// the request, so the same input always gives the same record.

#include <cstdint>
#include <string>

#include "analytics/core/value_node.h"

namespace usage_analytics {

inline constexpr char kLibName[] = "cpp";
inline constexpr char kLibVersion[] = "0.9";

// Record types as the collector names them.
inline constexpr char kTrack[] = "track";
inline constexpr char kTrackSignup[] = "track_signup";
inline constexpr char kProfileSet[] = "profile_set";
inline constexpr char kProfileSetOnce[] = "profile_set_once";
inline constexpr char kProfileIncrement[] = "profile_increment";
inline constexpr char kProfileAppend[] = "profile_append";

struct RecordRequest {
    std::string type;
    std::string event;  // "track" and "track_signup" only
    PropertiesNode properties;
    std::string distinctId;
    std::string originalId;  // "track_signup" only
};

// The sender's state that every record carries.
struct RecordIdentity {
    const PropertiesNode& superProperties;  // merged into "track" types only
    bool isLoginId;
};

// When the record is made and its random id.
struct RecordStamp {
    std::int64_t nowMilliseconds;
    std::int64_t trackId;
};

// Either the record's JSON text or, when a check refused the request, the
// message to report.
struct BuiltRecord {
    std::string json;
    std::string refusal;
};

BuiltRecord BuildRecord(const RecordRequest& request, const RecordIdentity& identity,
                        const RecordStamp& stamp);

// The record id: the last two digits of `first` (rand() mod 99 + 100), the
// last three of `second` (rand() mod 999 + 1000) and the last four of the
// clock's milliseconds, read as one nine-digit number.
std::int64_t MakeTrackId(int first, int second, std::int64_t nowMilliseconds);

// Milliseconds since 1970-01-01 UTC.
std::int64_t NowMilliseconds();

// A fresh stamp from the clock and the C runtime's random generator.
RecordStamp MakeStamp();

}  // namespace usage_analytics
