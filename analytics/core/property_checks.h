#pragma once

// The checks every analytics record passes before it is queued. Each check
// gives the message to report (empty when the input passes); the caller
// writes it to the error stream.

#include <string>

#include "analytics/core/value_node.h"

namespace usage_analytics {

inline constexpr std::size_t kMaxTextBytes = 8192;

// The UTF-8 the collector accepts: tab, line feed, carriage return and the
// printable ASCII bytes, plus well-formed multi-byte sequences without
// overlong forms, surrogates or code points above U+10FFFF.
bool IsValidUtf8(const std::string& text);

// A text property value: at most 8192 bytes of valid UTF-8.
std::string CheckText(const std::string& key, const std::string& text);

// A distinct or original id: 1 to 255 bytes. `name` is "Distinct ID" or
// "Original ID".
std::string CheckId(const std::string& name, const std::string& id);

// An event name or property key: a variable name of 1 to 100 bytes. `name`
// is "Event Name" or "Property Key".
std::string CheckKey(const std::string& name, const std::string& key);

// Every key of `properties` in key order, and the types of "$time" and
// "$project"; stops at the first failure.
std::string CheckProperties(const PropertiesNode& properties);

}  // namespace usage_analytics
