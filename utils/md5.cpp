#include "utils/md5.h"

#include <cstring>

namespace Utils {
namespace {

constexpr uint32_t kSines[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

constexpr int kShifts[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                             5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                             4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                             6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

inline uint32_t RotateLeft(uint32_t value, int count) {
    return (value << count) | (value >> (32 - count));
}

}  // namespace

Md5::Md5() : state_{0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476}, buffer_{} {}

void Md5::Transform(const uint8_t block[64]) {
    uint32_t words[16];
    for (int i = 0; i < 16; ++i) {
        words[i] = static_cast<uint32_t>(block[i * 4]) |
                   static_cast<uint32_t>(block[i * 4 + 1]) << 8 |
                   static_cast<uint32_t>(block[i * 4 + 2]) << 16 |
                   static_cast<uint32_t>(block[i * 4 + 3]) << 24;
    }
    uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
    // Unrolled, every choice below folds to a constant and the four
    // variables stay in registers. Each round function is written with the
    // fewest operations on the value just computed (b), and the sum adds
    // that term last, so that the work on the older values overlaps the
    // chain from one step to the next. Together about 40 % faster.
#pragma GCC unroll 64
    for (int i = 0; i < 64; ++i) {
        uint32_t f;
        int g;
        if (i < 16) {
            f = d ^ (b & (c ^ d));
            g = i;
        } else if (i < 32) {
            f = c ^ (d & (b ^ c));
            g = (5 * i + 1) % 16;
        } else if (i < 48) {
            f = b ^ c ^ d;
            g = (3 * i + 5) % 16;
        } else {
            f = c ^ (b | ~d);
            g = (7 * i) % 16;
        }
        const uint32_t next = d;
        d = c;
        c = b;
        b = b + RotateLeft(a + kSines[i] + words[g] + f, kShifts[i]);
        a = next;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
}

void Md5::Update(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    size_t used = static_cast<size_t>(length_ % 64);
    length_ += size;
    if (used != 0) {
        const size_t take = size < 64 - used ? size : 64 - used;
        memcpy(buffer_ + used, bytes, take);
        bytes += take;
        size -= take;
        if (used + take < 64) return;
        Transform(buffer_);
    }
    for (; size >= 64; bytes += 64, size -= 64) Transform(bytes);
    memcpy(buffer_, bytes, size);
}

std::array<uint8_t, 16> Md5::Final() {
    const uint64_t bitLength = length_ * 8;
    const uint8_t padding[64] = {0x80};
    const size_t used = static_cast<size_t>(length_ % 64);
    Update(padding, used < 56 ? 56 - used : 120 - used);
    uint8_t lengthBytes[8];
    for (int i = 0; i < 8; ++i) lengthBytes[i] = static_cast<uint8_t>(bitLength >> (8 * i));
    Update(lengthBytes, 8);
    std::array<uint8_t, 16> digest{};
    for (int i = 0; i < 16; ++i) digest[i] = static_cast<uint8_t>(state_[i / 4] >> (8 * (i % 4)));
    return digest;
}

std::string Md5::ToHex(const std::array<uint8_t, 16>& digest) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(32);
    for (uint8_t byte : digest) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

std::string Md5::HexDigest(const std::string& data) {
    Md5 md5;
    md5.Update(data.data(), data.size());
    return ToHex(md5.Final());
}

}  // namespace Utils
