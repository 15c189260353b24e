#include "tests/support/json_value.h"

#include <cstdlib>
#include <cstring>

namespace TestSupport {

namespace {

const JsonValue& NullValue() {
    static const JsonValue null;
    return null;
}

bool IsOneOf(char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; }

void AppendUtf8(std::string& out, unsigned codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

// Recursive descent over the document; every step either advances or fails,
// and nesting is bounded, so any input ends quickly.
class JsonParser {
public:
    explicit JsonParser(const std::string& text) : text_(text) {}

    std::optional<JsonValue> Document() {
        JsonValue value;
        if (!Value(value, 0)) return std::nullopt;
        SkipSpace();
        if (at_ != text_.size()) return std::nullopt;
        return value;
    }

private:
    static constexpr int kMaxDepth = 64;

    void SkipSpace() {
        while (at_ < text_.size() && IsOneOf(text_[at_], " \t\r\n")) ++at_;
    }

    bool Consume(char c) {
        SkipSpace();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    bool Literal(const char* word) {
        const std::size_t length = std::strlen(word);
        if (text_.compare(at_, length, word) != 0) return false;
        at_ += length;
        return true;
    }

    bool Value(JsonValue& value, int depth) {
        if (depth > kMaxDepth) return false;
        SkipSpace();
        if (at_ >= text_.size()) return false;
        const char c = text_[at_];
        if (c == '{') return Object(value, depth);
        if (c == '[') return Array(value, depth);
        if (c == '"') {
            value.kind_ = JsonValue::Kind::String;
            return String(value.text_);
        }
        for (const bool flag : {true, false}) {
            if (Literal(flag ? "true" : "false")) {
                value.kind_ = JsonValue::Kind::Bool;
                value.flag_ = flag;
                return true;
            }
        }
        if (Literal("null")) return true;
        return Number(value);
    }

    bool Number(JsonValue& value) {
        const std::size_t start = at_;
        while (at_ < text_.size() && IsOneOf(text_[at_], "+-0123456789.eE")) ++at_;
        if (at_ == start) return false;
        value.kind_ = JsonValue::Kind::Number;
        value.text_ = text_.substr(start, at_ - start);
        char* end = nullptr;
        value.number_ = std::strtod(value.text_.c_str(), &end);
        return end == value.text_.c_str() + value.text_.size();
    }

    bool Hex4(unsigned& out) {
        if (at_ + 4 > text_.size()) return false;
        out = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_++];
            if (!IsOneOf(c, "0123456789abcdefABCDEF")) return false;
            out = out * 16 +
                  static_cast<unsigned>(std::strtoul(std::string(1, c).c_str(), nullptr, 16));
        }
        return true;
    }

    bool Escape(std::string& out) {
        if (at_ >= text_.size()) return false;
        const char c = text_[at_++];
        static const char kPlain[] = "\"\\/bfnrt";
        static const char kMeaning[] = "\"\\/\b\f\n\r\t";
        if (IsOneOf(c, kPlain)) {
            out += kMeaning[std::strchr(kPlain, c) - kPlain];
            return true;
        }
        unsigned codePoint = 0;
        if (c != 'u' || !Hex4(codePoint)) return false;
        if (codePoint >= 0xD800 && codePoint < 0xDC00) {
            unsigned low = 0;
            if (!Literal("\\u") || !Hex4(low) || low < 0xDC00 || low > 0xDFFF) return false;
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (low - 0xDC00);
        }
        AppendUtf8(out, codePoint);
        return true;
    }

    bool String(std::string& out) {
        ++at_;  // opening quote
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') return true;
            if (c == '\\') {
                if (!Escape(out)) return false;
            } else {
                out += c;
            }
        }
        return false;
    }

    bool Array(JsonValue& value, int depth) {
        ++at_;
        value.kind_ = JsonValue::Kind::Array;
        if (Consume(']')) return true;
        do {
            value.items_.emplace_back();
            if (!Value(value.items_.back(), depth + 1)) return false;
        } while (Consume(','));
        return Consume(']');
    }

    bool Object(JsonValue& value, int depth) {
        ++at_;
        value.kind_ = JsonValue::Kind::Object;
        if (Consume('}')) return true;
        do {
            SkipSpace();
            std::string key;
            if (at_ >= text_.size() || text_[at_] != '"' || !String(key) || !Consume(':')) {
                return false;
            }
            value.members_.emplace_back(std::move(key), JsonValue());
            if (!Value(value.members_.back().second, depth + 1)) return false;
        } while (Consume(','));
        return Consume('}');
    }

    const std::string& text_;
    std::size_t at_ = 0;
};

std::optional<JsonValue> JsonValue::Parse(const std::string& text) {
    return JsonParser(text).Document();
}

bool JsonValue::Has(const std::string& key) const {
    for (const auto& member : members_) {
        if (member.first == key) return true;
    }
    return false;
}

std::size_t JsonValue::Size() const {
    return kind_ == Kind::Array ? items_.size() : members_.size();
}

const JsonValue& JsonValue::operator[](int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < items_.size() ? items_[index]
                                                                         : NullValue();
}

const JsonValue& JsonValue::operator[](const std::string& key) const {
    for (const auto& member : members_) {
        if (member.first == key) return member.second;
    }
    return NullValue();
}

}  // namespace TestSupport
