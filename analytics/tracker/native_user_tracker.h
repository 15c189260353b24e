#pragma once

// Routes user-profile updates to the SDK core's profile records. The key
// decides the operation (set once, increment, set or append) through a
// fixed table; the value's type decides whether that operation is allowed.
// Each call queues at most one profile record; a refused key or type raises
// ZrException before anything is queued.

#include <cstdint>
#include <string>

namespace vorta::analytics {

enum class ProfileOperation { NotSupported = 0, SetOnce = 1, Increment = 2, Set = 3, Append = 4 };

class NativeUserTracker {
public:
    static ProfileOperation operationOf(const std::string& key);

    static void ProfileUserPropertyString(const std::string& key, const std::string& value);
    static void ProfileUserPropertyNumber(const std::string& key, std::int32_t value);
    static void ProfileUserPropertyNumber(const std::string& key, double value);
    // `milliseconds` since the epoch, recorded as a date-time.
    static void ProfileUserPropertyDateTime(const std::string& key, std::int64_t milliseconds);
};

}  // namespace vorta::analytics
