#pragma once

// The values of analytics records: a typed value (`ValueNode`) and an object
// of keyed values (`ObjectNode`) that writes itself as compact JSON with its
// keys in ascending byte order, the order the collector expects.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace usage_analytics {

class ObjectNode;

// A calendar instant: seconds since the epoch plus milliseconds 0 to 999,
// written as local time.
struct DateTime {
    std::int64_t seconds = 0;
    int milliseconds = 0;
};

class ValueNode {
public:
    // The numeric codes are part of the record model and stay fixed.
    enum class Type {
        Number = 0,
        Integer = 1,
        Text = 2,
        List = 3,
        DateTime = 4,
        Bool = 5,
        Object = 6
    };

    explicit ValueNode(double number) : value_(number) {}
    explicit ValueNode(std::int64_t integer) : value_(integer) {}
    explicit ValueNode(std::string text) : value_(std::move(text)) {}
    // Would otherwise silently become a bool.
    explicit ValueNode(const char* text) = delete;
    explicit ValueNode(std::vector<std::string> list) : value_(std::move(list)) {}
    explicit ValueNode(DateTime dateTime) : value_(dateTime) {}
    explicit ValueNode(bool flag) : value_(flag) {}
    explicit ValueNode(const ObjectNode& object);

    Type GetType() const { return static_cast<Type>(value_.index()); }

    // The content of the matching type; callers check GetType() first.
    const std::string& Text() const { return std::get<std::string>(value_); }
    const DateTime& GetDateTime() const { return std::get<DateTime>(value_); }

    void AppendJson(std::string& out) const;

private:
    // Nested objects are immutable once stored, so copies of a value may
    // share them.
    std::variant<double, std::int64_t, std::string, std::vector<std::string>, DateTime, bool,
                 std::shared_ptr<const ObjectNode>>
        value_;
};

class ObjectNode {
public:
    // std::string orders its bytes as unsigned char, which is the byte
    // order of the written keys.
    using Entries = std::map<std::string, ValueNode>;

    void SetNumber(const std::string& key, double value);
    void SetInteger(const std::string& key, std::int64_t value);
    // Runs the text check; a refused text leaves the object unchanged, is
    // reported on the error stream and gives false.
    bool SetText(const std::string& key, const std::string& value);
    void SetBool(const std::string& key, bool value);
    void SetList(const std::string& key, std::vector<std::string> values);
    void SetDateTime(const std::string& key, std::int64_t seconds, int milliseconds);
    void SetObject(const std::string& key, const ObjectNode& value);
    // Any value, without the text check: for texts the SDK made or checked
    // itself.
    void Set(const std::string& key, ValueNode value);

    // Copies every entry of `other` over this object.
    void Merge(const ObjectNode& other);

    const ValueNode* Find(const std::string& key) const;
    void Remove(const std::string& key);
    const Entries& GetEntries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

    std::string ToJson() const;
    void AppendJson(std::string& out) const;

private:
    Entries entries_;
};

// A property set of a record.
using PropertiesNode = ObjectNode;

}  // namespace usage_analytics
