#include "analytics/core/request_body.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>

#include "analytics/core/diagnostics.h"

namespace usage_analytics {

namespace {

constexpr int kGzipWindowBits = 31;  // 15 plus 16 for the gzip wrapper
constexpr int kMemoryLevel = 8;
constexpr std::size_t kChunkSize = 32768;

// Ends the stream whichever way compression leaves.
class DeflateStream {
public:
    DeflateStream() = default;
    ~DeflateStream() {
        if (initialised_) deflateEnd(&stream_);
    }
    DeflateStream(const DeflateStream&) = delete;
    DeflateStream& operator=(const DeflateStream&) = delete;

    bool Init() {
        initialised_ = deflateInit2(&stream_, Z_BEST_COMPRESSION, Z_DEFLATED, kGzipWindowBits,
                                    kMemoryLevel, Z_DEFAULT_STRATEGY) == Z_OK;
        return initialised_;
    }
    z_stream& Get() { return stream_; }

private:
    z_stream stream_{};
    bool initialised_ = false;
};

}  // namespace

std::optional<std::string> Gzip(const std::string& data) {
    DeflateStream deflater;
    if (!deflater.Init()) {
        ReportError("deflateInit2 failed while compressing.\n");
        return std::nullopt;
    }
    z_stream& stream = deflater.Get();
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());

    std::string compressed;
    char chunk[kChunkSize];
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof(chunk);
        result = deflate(&stream, Z_FINISH);
        compressed.append(chunk, sizeof(chunk) - stream.avail_out);
    }
    if (result != Z_STREAM_END) {
        ReportError("Exception during zlib compression: (" + std::to_string(result) + ") " +
                    (stream.msg ? stream.msg : "") + "\n");
        return std::nullopt;
    }
    return compressed;
}

std::string Base64(const std::string& data) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((data.size() + 2) / 3 * 4);
    for (std::size_t at = 0; at < data.size(); at += 3) {
        const std::size_t count = std::min<std::size_t>(3, data.size() - at);
        std::uint32_t group = 0;
        for (std::size_t i = 0; i < 3; ++i) {
            const auto byte = i < count ? static_cast<unsigned char>(data[at + i]) : 0u;
            group = (group << 8) | byte;
        }
        for (std::size_t i = 0; i < 4; ++i) {
            out += i <= count ? kAlphabet[(group >> (18 - 6 * i)) & 0x3F] : '=';
        }
    }
    return out;
}

std::string UrlEncode(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                                (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' ||
                                c == '~';
        if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

std::optional<std::string> BuildRequestBody(const std::string& batch) {
    const std::optional<std::string> compressed = Gzip(batch);
    if (!compressed) return std::nullopt;
    return "data_list=" + UrlEncode(Base64(*compressed)) + "&gzip=1";
}

}  // namespace usage_analytics
