#include "analytics/core/property_checks.h"

namespace usage_analytics {

namespace {

bool InRange(unsigned char byte, unsigned char low, unsigned char high) {
    return byte >= low && byte <= high;
}

// A lead byte of a multi-byte sequence, the sequence's length and the range
// of its second byte, which is narrowed where it would otherwise allow
// overlong forms, surrogates or code points beyond U+10FFFF.
struct LeadRule {
    unsigned char leadLow, leadHigh;
    std::size_t length;
    unsigned char secondLow, secondHigh;
};

constexpr LeadRule kLeadRules[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

// The length of the well-formed sequence starting at `at`, or 0.
std::size_t SequenceLength(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t offset) {
        return at + offset < text.size() ? static_cast<unsigned char>(text[at + offset]) : 0;
    };
    const unsigned char lead = byte(0);
    if (lead == 0x09 || lead == 0x0A || lead == 0x0D || InRange(lead, 0x20, 0x7E)) return 1;
    for (const LeadRule& rule : kLeadRules) {
        if (!InRange(lead, rule.leadLow, rule.leadHigh)) continue;
        if (!InRange(byte(1), rule.secondLow, rule.secondHigh)) return 0;
        for (std::size_t offset = 2; offset < rule.length; ++offset) {
            if (!InRange(byte(offset), 0x80, 0xBF)) return 0;
        }
        return rule.length;
    }
    return 0;
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool IsValidUtf8(const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = SequenceLength(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string CheckText(const std::string& key, const std::string& text) {
    if (text.size() > kMaxTextBytes) {
        return "String property '" + key + "' is too long, value: " + text + "\n";
    }
    if (!IsValidUtf8(text)) {
        return "String property '" + key + "' is not valid UTF-8 string, value: " + text + "\n";
    }
    return {};
}

std::string CheckId(const std::string& name, const std::string& id) {
    if (id.empty()) return "The " + name + " is empty.\n";
    if (id.size() > 255) return "The " + name + " is too long, max length is 255.\n";
    return {};
}

std::string CheckKey(const std::string& name, const std::string& key) {
    if (key.empty() || key.size() > 100) {
        return "The " + name + " is empty or too long, max length is 100";
    }
    const auto validFirst = [](char c) { return IsLetter(c) || c == '$' || c == '_'; };
    bool valid = validFirst(key[0]);
    for (std::size_t i = 1; valid && i < key.size(); ++i) {
        valid = validFirst(key[i]) || IsDigit(key[i]);
    }
    return valid ? std::string() : "The " + name + " need to be a valid variable name.";
}

std::string CheckProperties(const PropertiesNode& properties) {
    for (const auto& [key, value] : properties.GetEntries()) {
        std::string message = CheckKey("Property Key", key);
        if (!message.empty()) return message;
        if (key == "$time" && value.GetType() != ValueNode::Type::DateTime) {
            return "The property '$time' should be DateTime type.";
        }
        if (key == "$project" && value.GetType() != ValueNode::Type::Text) {
            return "The property '$project' should be String type.";
        }
    }
    return {};
}

}  // namespace usage_analytics
