#include <gtest/gtest.h>

#include <zlib.h>

#include "analytics/core/request_body.h"

namespace {

using namespace usage_analytics;

std::string Gunzip(const std::string& data) {
    z_stream stream{};
    if (inflateInit2(&stream, 31) != Z_OK) return "<inflateInit2 failed>";
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    std::string out;
    char chunk[4096];
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof(chunk);
        result = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk, sizeof(chunk) - stream.avail_out);
    }
    inflateEnd(&stream);
    return result == Z_STREAM_END ? out : "<inflate failed>";
}

TEST(Base64Test, EncodesTheStandardVectors) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {"\xFB\xFF", "+/8="},
        {std::string("\0\0\0", 3), "AAAA"},
    };
    for (const auto& [data, encoded] : cases) EXPECT_EQ(Base64(data), encoded) << data;
}

TEST(UrlEncodeTest, KeepsOnlyUnreservedBytes) {
    const std::pair<std::string, std::string> cases[] = {
        {"AZaz09-._~", "AZaz09-._~"},
        {"+/=", "%2B%2F%3D"},
        {" &%", "%20%26%25"},
        {"中", "%E4%B8%AD"},
        {std::string("\0\xFF", 2), "%00%FF"},
    };
    for (const auto& [text, encoded] : cases) EXPECT_EQ(UrlEncode(text), encoded) << text;
}

TEST(GzipTest, RoundTripsThroughInflate) {
    std::string large;
    for (int i = 0; large.size() < 200000; ++i) large += std::to_string(i * 7919 % 100003) + ",";
    for (const std::string& data : {std::string(), std::string("[{\"a\":\"中文\"}]"), large}) {
        const std::optional<std::string> compressed = Gzip(data);
        ASSERT_TRUE(compressed);
        ASSERT_GE(compressed->size(), 10u);
        EXPECT_EQ(compressed->substr(0, 3), "\x1F\x8B\x08");  // gzip, deflate
        EXPECT_EQ(Gunzip(*compressed), data);
    }
}

TEST(RequestBodyTest, IsFormEncodedWithoutPlusSlashOrEquals) {
    // Enough varied bytes that the Base64 text holds every character class.
    std::string batch = "[";
    for (int i = 0; i < 300; ++i) batch += "{\"n\":" + std::to_string(i * i * 31) + "},";
    batch.back() = ']';
    const std::optional<std::string> body = BuildRequestBody(batch);
    ASSERT_TRUE(body);
    const std::string prefix = "data_list=";
    const std::string suffix = "&gzip=1";
    ASSERT_EQ(body->rfind(prefix, 0), 0u);
    ASSERT_EQ(body->substr(body->size() - suffix.size()), suffix);
    const std::string encoded =
        body->substr(prefix.size(), body->size() - prefix.size() - suffix.size());
    EXPECT_EQ(encoded.find_first_of("+/=&"), std::string::npos);
    EXPECT_EQ(encoded, UrlEncode(Base64(*Gzip(batch))));
}

}  // namespace
