#include "utils/file_md5.h"

#include <cstdio>
#include <memory>

#include "utils/md5.h"

namespace Utils {
namespace {

// The stream's buffer. With the C run time's 4 KiB default every fourth
// 1024-byte block costs a read from the system, which under Wine costs
// about as much as hashing the four blocks.
constexpr size_t kStreamBufferSize = 64 * 1024;

}  // namespace

std::string FileMd5(const std::string& ansiPath) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(fopen(ansiPath.c_str(), "rb"), fclose);
    if (!file) return {};
    setvbuf(file.get(), nullptr, _IOFBF, kStreamBufferSize);
    Md5 md5;
    unsigned char block[1024];
    size_t read;
    while ((read = fread(block, 1, sizeof(block), file.get())) > 0) md5.Update(block, read);
    return Md5::ToHex(md5.Final());
}

}  // namespace Utils
