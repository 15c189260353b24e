#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "analytics/core/property_checks.h"

namespace {

using namespace usage_analytics;

TEST(Utf8Test, FollowsTheCollectorsRule) {
    const std::pair<const char*, bool> cases[] = {
        {"", true},
        {"plain ~ text", true},
        {"\t\n\r", true},
        {"立即安装", true},
        {"\xC2\x80\xDF\xBF", true},
        {"\xE0\xA0\x80", true},
        {"\xED\x9F\xBF", true},
        {"\xEE\x80\x80\xEF\xBF\xBF", true},
        {"\xF0\x90\x80\x80", true},
        {"\xF3\xBF\xBF\xBF", true},
        {"\xF4\x8F\xBF\xBF", true},
        // control bytes other than tab, line feed and carriage return
        {"a\x01", false},
        {"\x7F", false},
        {"\x1B", false},
        // stray continuation, overlong forms, surrogates, beyond U+10FFFF
        {"\x80", false},
        {"\xC0\x80", false},
        {"\xC1\xBF", false},
        {"\xE0\x9F\xBF", false},
        {"\xED\xA0\x80", false},
        {"\xF0\x8F\xBF\xBF", false},
        {"\xF4\x90\x80\x80", false},
        {"\xF5\x80\x80\x80", false},
        {"\xFF", false},
        // sequences cut off by the end or by a byte that does not continue them
        {"\xE4\xB8", false},
        {"\xC2", false},
        {"\xE4\x41\xAD", false},
        {"\xF0\x90\x80", false},
    };
    for (const auto& [bytes, valid] : cases) {
        EXPECT_EQ(IsValidUtf8(bytes), valid) << testing::PrintToString(bytes);
    }
}

TEST(Utf8Test, NulByteIsInvalid) { EXPECT_FALSE(IsValidUtf8(std::string("a\0b", 3))); }

TEST(CheckTextTest, AcceptsExactly8192Bytes) {
    EXPECT_EQ(CheckText("k", std::string(8192, 'a')), "");
    const std::string tooLong(8193, 'a');
    EXPECT_EQ(CheckText("k", tooLong), "String property 'k' is too long, value: " + tooLong + "\n");
}

TEST(CheckTextTest, RefusesInvalidUtf8) {
    EXPECT_EQ(CheckText("zr_name", "a\x80"),
              "String property 'zr_name' is not valid UTF-8 string, value: a\x80\n");
}

TEST(CheckIdTest, AcceptsOneTo255Bytes) {
    const std::pair<std::string, std::string> cases[] = {
        {"", "The Distinct ID is empty.\n"},
        {"x", ""},
        {std::string(255, 'x'), ""},
        {std::string(256, 'x'), "The Distinct ID is too long, max length is 255.\n"},
    };
    for (const auto& [id, message] : cases) {
        EXPECT_EQ(CheckId("Distinct ID", id), message) << id.size();
    }
}

TEST(CheckKeyTest, AcceptsVariableNamesOfOneTo100Bytes) {
    const std::string badLength = "The Event Name is empty or too long, max length is 100";
    const std::string badName = "The Event Name need to be a valid variable name.";
    const std::pair<std::string, std::string> cases[] = {
        {"a", ""},
        {"$SignUp", ""},
        {"_x9", ""},
        {"Zr$_09az", ""},
        {std::string(100, 'k'), ""},
        {"", badLength},
        {std::string(101, 'k'), badLength},
        {"9lives", badName},
        {"a-b", badName},
        {"a b", badName},
        {"a.b", badName},
        {"名字", badName},
    };
    for (const auto& [key, message] : cases) EXPECT_EQ(CheckKey("Event Name", key), message) << key;
}

TEST(CheckPropertiesTest, ChecksKeysAndReservedTypes) {
    struct Case {
        std::function<void(PropertiesNode&)> fill;
        std::string message;
    };
    const Case cases[] = {
        {[](PropertiesNode& p) { p.SetText("zr_name", "x"); }, ""},
        {[](PropertiesNode& p) { p.SetDateTime("$time", 1, 2); }, ""},
        {[](PropertiesNode& p) { p.SetText("$project", "p"); }, ""},
        {[](PropertiesNode& p) { p.SetInteger(std::string(101, 'k'), 1); },
         "The Property Key is empty or too long, max length is 100"},
        {[](PropertiesNode& p) { p.SetInteger("1st", 1); },
         "The Property Key need to be a valid variable name."},
        {[](PropertiesNode& p) { p.SetInteger("$time", 1); },
         "The property '$time' should be DateTime type."},
        {[](PropertiesNode& p) { p.SetInteger("$project", 1); },
         "The property '$project' should be String type."},
        // The first failing key in key order decides: "$project" < "9".
        {[](PropertiesNode& p) {
             p.SetInteger("9", 1);
             p.SetBool("$project", true);
         },
         "The property '$project' should be String type."},
    };
    for (const Case& c : cases) {
        PropertiesNode properties;
        c.fill(properties);
        EXPECT_EQ(CheckProperties(properties), c.message) << properties.ToJson();
    }
}

}  // namespace
