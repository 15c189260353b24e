#pragma once

// A small JSON reader for tests that inspect what a test server received
// (analytics records, request logs). Objects keep their members in document
// order. Looking up a missing member or index gives a null value, so a test
// can write records[0]["properties"]["zr_name"].Text() and let the
// expectation on the result fail instead of crashing.

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace TestSupport {

class JsonValue {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    // The value of `text`, or nullopt when it is not exactly one JSON value.
    static std::optional<JsonValue> Parse(const std::string& text);

    Kind GetKind() const { return kind_; }
    bool IsNull() const { return kind_ == Kind::Null; }
    bool Has(const std::string& key) const;

    bool Bool() const { return flag_; }
    double Number() const { return number_; }
    // A number as written in the document ("12.5", "1e+20").
    const std::string& NumberText() const { return text_; }
    // A string's UTF-8 text.
    const std::string& Text() const { return text_; }

    // Items of an array or members of an object; 0 for other kinds.
    std::size_t Size() const;
    const JsonValue& operator[](int index) const;
    const JsonValue& operator[](const std::string& key) const;
    const JsonValue& operator[](const char* key) const { return (*this)[std::string(key)]; }
    const std::vector<JsonValue>& Items() const { return items_; }
    const std::vector<std::pair<std::string, JsonValue>>& Members() const { return members_; }

private:
    friend class JsonParser;

    Kind kind_ = Kind::Null;
    bool flag_ = false;
    double number_ = 0;
    std::string text_;
    std::vector<JsonValue> items_;
    std::vector<std::pair<std::string, JsonValue>> members_;
};

}  // namespace TestSupport
