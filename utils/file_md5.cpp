#include "utils/file_md5.h"

#include <cstdio>
#include <memory>

#include "utils/md5.h"

namespace Utils {

std::string FileMd5(const std::string& ansiPath) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(fopen(ansiPath.c_str(), "rb"), fclose);
    if (!file) return {};
    Md5 md5;
    unsigned char block[1024];
    size_t read;
    while ((read = fread(block, 1, sizeof(block), file.get())) > 0) md5.Update(block, read);
    return Md5::ToHex(md5.Final());
}

}  // namespace Utils
