#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace Utils {

// The MD5 message digest (RFC 1321), fed in pieces.
class Md5 {
public:
    Md5();
    void Update(const void* data, size_t size);
    std::array<uint8_t, 16> Final();

    // The digest of `data` as 32 lowercase hexadecimal digits.
    static std::string HexDigest(const std::string& data);
    static std::string ToHex(const std::array<uint8_t, 16>& digest);

private:
    void Transform(const uint8_t block[64]);

    uint32_t state_[4];
    uint64_t length_ = 0;  // bytes fed so far
    uint8_t buffer_[64];
};

}  // namespace Utils
