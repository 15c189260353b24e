#pragma once

// The scalar forms of the record JSON writer.

#include <cstdint>
#include <string>

namespace usage_analytics {

// Appends `text` in double quotes. Backspace, tab, line feed, form feed,
// carriage return, double quote and backslash get their two-character
// escapes; the remaining control bytes, which only unchecked texts can
// hold, become \u00XX so that the record stays valid JSON; every other
// byte is copied as it is.
void AppendQuoted(std::string& out, const std::string& text);

// At most six significant digits, like printf "%g": 2.5, 1e+20, 1e-07.
// JSON has no infinity or NaN; they are written as null.
void AppendNumber(std::string& out, double value);

// "YYYY-MM-DD hh:mm:ss.mmm" in local time, in double quotes; null when the
// seconds lie outside the calendar the C runtime can convert.
void AppendDateTime(std::string& out, std::int64_t seconds, int milliseconds);

}  // namespace usage_analytics
