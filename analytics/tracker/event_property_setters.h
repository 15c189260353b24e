#pragma once

// Small helpers shared by the event property builders.

#include <cstdint>
#include <string>

#include "analytics/core/value_node.h"
#include "analytics/tracker/zr_event_texts.h"
#include "analytics/tracker/zr_events.h"
#include "analytics/tracker/zr_exception.h"

namespace vorta::analytics {

// The source name that the event checks' exceptions carry.
inline constexpr char kTrackerSource[] = "UsageTrackerImpl";

[[noreturn]] inline void Raise(const char* function, int line, const std::string& message) {
    throw ZrException(kTrackerSource, function, line, message);
}

inline void SetTextIfSet(usage_analytics::PropertiesNode& properties, const char* key,
                         const std::string& value) {
    if (!value.empty()) properties.SetText(key, value);
}

template <typename T>
void SetIntegerIfSet(usage_analytics::PropertiesNode& properties, const char* key,
                     const ZrOptional<T>& value) {
    if (value) properties.SetInteger(key, static_cast<std::int64_t>(*value));
}

template <typename T>
void SetNumberIfSet(usage_analytics::PropertiesNode& properties, const char* key,
                    const ZrOptional<T>& value) {
    if (value) properties.SetNumber(key, static_cast<double>(*value));
}

inline void SetNumberIfPositive(usage_analytics::PropertiesNode& properties, const char* key,
                                double value) {
    if (value > 0) properties.SetNumber(key, value);
}

// A result other than Unknown; an out-of-range value still raises its
// conversion error.
inline void SetKnownResult(usage_analytics::PropertiesNode& properties, const char* key,
                           const ZrOptional<ZrResult>& result) {
    if (!result) return;
    const std::string text = toString(*result);
    if (*result != ZrResult::Unknown) properties.SetText(key, text);
}

}  // namespace vorta::analytics
