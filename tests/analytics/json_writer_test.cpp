#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <ctime>
#include <functional>
#include <limits>

#include "analytics/core/value_node.h"

namespace {

using usage_analytics::ObjectNode;

struct WriterCase {
    const char* name;
    std::function<void(ObjectNode&)> fill;
    const char* json;
};

const double kInfinity = std::numeric_limits<double>::infinity();

const WriterCase kWriterCases[] = {
    {"empty", [](ObjectNode&) {}, "{}"},
    {"number_fraction", [](ObjectNode& o) { o.SetNumber("n", 2.5); }, R"({"n":2.5})"},
    {"number_whole", [](ObjectNode& o) { o.SetNumber("n", 3.0); }, R"({"n":3})"},
    {"number_six_digits", [](ObjectNode& o) { o.SetNumber("n", 1234567.0); },
     R"({"n":1.23457e+06})"},
    {"number_large", [](ObjectNode& o) { o.SetNumber("n", 1e20); }, R"({"n":1e+20})"},
    {"number_small", [](ObjectNode& o) { o.SetNumber("n", 1e-7); }, R"({"n":1e-07})"},
    {"number_negative", [](ObjectNode& o) { o.SetNumber("n", -0.125); }, R"({"n":-0.125})"},
    {"number_nan", [](ObjectNode& o) { o.SetNumber("n", std::nan("")); }, R"({"n":null})"},
    {"number_infinite", [](ObjectNode& o) { o.SetNumber("n", -kInfinity); }, R"({"n":null})"},
    {"integer_extremes",
     [](ObjectNode& o) {
         o.SetInteger("a", std::numeric_limits<std::int64_t>::min());
         o.SetInteger("b", std::numeric_limits<std::int64_t>::max());
     },
     R"({"a":-9223372036854775808,"b":9223372036854775807})"},
    {"text_escapes", [](ObjectNode& o) { o.SetText("t", "q\"b\\t\tn\nr\r"); },
     R"({"t":"q\"b\\t\tn\nr\r"})"},
    {"text_chinese", [](ObjectNode& o) { o.SetText("t", "立即安装"); }, R"({"t":"立即安装"})"},
    {"list",
     [](ObjectNode& o) {
         o.SetList("l", {"a", "b\"", "中"});
     },
     R"({"l":["a","b\"","中"]})"},
    {"list_empty", [](ObjectNode& o) { o.SetList("l", {}); }, R"({"l":[]})"},
    // Lists skip the text check; their control bytes must not break the JSON.
    {"list_control_bytes", [](ObjectNode& o) { o.SetList("l", {"\b\f\x01\x1a\x7f"}); },
     "{\"l\":[\"\\b\\f\\u0001\\u001A\x7f\"]}"},
    {"bools",
     [](ObjectNode& o) {
         o.SetBool("t", true);
         o.SetBool("f", false);
     },
     R"({"f":false,"t":true})"},
    {"nested_object",
     [](ObjectNode& o) {
         ObjectNode inner;
         inner.SetInteger("y", 1);
         inner.SetText("x", "v");
         o.SetObject("o", inner);
     },
     R"({"o":{"x":"v","y":1}})"},
    {"keys_in_byte_order",
     [](ObjectNode& o) {
         for (const char* key : {"b", "中", "a", "_u", "Z", "$s", "aa", "A"}) {
             o.SetInteger(key, 0);
         }
     },
     R"({"$s":0,"A":0,"Z":0,"_u":0,"a":0,"aa":0,"b":0,"中":0})"},
    {"set_replaces",
     [](ObjectNode& o) {
         o.SetText("k", "old");
         o.SetInteger("k", 7);
     },
     R"({"k":7})"},
    {"refused_text_leaves_entry",
     [](ObjectNode& o) {
         o.SetText("k", "kept");
         o.SetText("k", "bad\x01");
     },
     R"({"k":"kept"})"},
    {"merge_overlays",
     [](ObjectNode& o) {
         o.SetText("a", "mine");
         o.SetText("b", "mine");
         ObjectNode other;
         other.SetText("b", "theirs");
         other.SetText("c", "theirs");
         o.Merge(other);
     },
     R"({"a":"mine","b":"theirs","c":"theirs"})"},
};

TEST(JsonWriterTest, WritesCompactJson) {
    for (const WriterCase& c : kWriterCases) {
        ObjectNode object;
        c.fill(object);
        EXPECT_EQ(object.ToJson(), c.json) << c.name;
    }
}

std::string LocalTimeText(std::time_t seconds, int milliseconds) {
    std::tm local{};
    localtime_s(&local, &seconds);
    char text[48];
    std::snprintf(text, sizeof(text), "\"%04d-%02d-%02d %02d:%02d:%02d.%03d\"",
                  local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                  local.tm_min, local.tm_sec, milliseconds);
    return text;
}

TEST(JsonWriterDateTime, WritesLocalCalendarTimeWithMilliseconds) {
    for (const auto& [seconds, milliseconds] :
         {std::pair<std::int64_t, int>{0, 0}, {1, 500}, {1700000000, 7}, {1893456000, 999}}) {
        ObjectNode object;
        object.SetDateTime("d", seconds, milliseconds);
        EXPECT_EQ(object.ToJson(), "{\"d\":" + LocalTimeText(seconds, milliseconds) + "}")
            << seconds;
    }
}

TEST(JsonWriterDateTime, OutOfCalendarSecondsGiveNull) {
    ObjectNode object;
    object.SetDateTime("d", std::numeric_limits<std::int64_t>::max(), 0);
    EXPECT_EQ(object.ToJson(), R"({"d":null})");
}

}  // namespace
