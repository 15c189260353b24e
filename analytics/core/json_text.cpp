#include "analytics/core/json_text.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <utility>

namespace usage_analytics {

namespace {

// The two-character escape of `c`, or null when it has none.
const char* ShortEscape(char c) {
    static constexpr std::pair<char, const char*> kEscapes[] = {
        {'\b', "\\b"}, {'\t', "\\t"}, {'\n', "\\n"},  {'\f', "\\f"},
        {'\r', "\\r"}, {'"', "\\\""}, {'\\', "\\\\"},
    };
    for (const auto& [raw, escaped] : kEscapes) {
        if (raw == c) return escaped;
    }
    return nullptr;
}

}  // namespace

void AppendQuoted(std::string& out, const std::string& text) {
    out += '"';
    for (const char c : text) {
        if (const char* escaped = ShortEscape(c)) {
            out += escaped;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof(escape), "\\u%04X", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char text[32];
    std::snprintf(text, sizeof(text), "%g", value);
    out += text;
}

void AppendDateTime(std::string& out, std::int64_t seconds, int milliseconds) {
    const __time64_t time = seconds;
    std::tm local{};
    if (_localtime64_s(&local, &time) != 0) {
        out += "null";
        return;
    }
    char text[48];
    std::snprintf(text, sizeof(text), "\"%04d-%02d-%02d %02d:%02d:%02d.%03d\"",
                  local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                  local.tm_min, local.tm_sec, milliseconds);
    out += text;
}

}  // namespace usage_analytics
