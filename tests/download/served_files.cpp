#include "tests/download/served_files.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

#include "utils/file_md5.h"
#include "utils/text_encoding.h"

namespace {

constexpr size_t kBlockSize = 1 << 20;

}  // namespace

ServedFiles::ServedFiles() : served_(scratch_ / L"served"), downloads_(scratch_ / L"downloads") {
    CreateDirectoryW(served_.c_str(), nullptr);
    CreateDirectoryW(downloads_.c_str(), nullptr);
    server_ = std::make_unique<TestSupport::PackageServer>(served_);
    port_ = server_->Port();
}

void ServedFiles::StopServer() { server_.reset(); }

bool ServedFiles::RestartServer() {
    server_ = std::make_unique<TestSupport::PackageServer>(served_, port_);
    return server_->Port() == port_;
}

std::wstring ServedFiles::Add(const std::string& name, long long size) {
    const std::wstring path = ServedPath(name);
    std::ofstream file(path.c_str(), std::ios::binary);
    // xorshift32: no two blocks alike, so a misplaced block changes the MD5.
    uint32_t state = 2463534242u ^ static_cast<uint32_t>(size);
    std::vector<char> block(kBlockSize);
    for (long long written = 0; written < size;) {
        const size_t length = static_cast<size_t>(std::min<long long>(kBlockSize, size - written));
        for (size_t i = 0; i < length; ++i) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            block[i] = static_cast<char>(state);
        }
        file.write(block.data(), static_cast<std::streamsize>(length));
        written += static_cast<long long>(length);
    }
    return path;
}

std::wstring ServedFiles::ServedPath(const std::string& name) const {
    return served_ + L"\\" + Utils::FromUtf8(name);
}

std::string ServedFiles::Md5Of(const std::string& name) const {
    return Utils::FileMd5(Utils::ToAnsi(ServedPath(name)));
}

std::string ServedFiles::DigestPath(const std::string& name) const {
    return "/" + Md5Of(name) + "/" + name;
}

bool SameContent(const std::wstring& left, const std::wstring& right) {
    std::ifstream a(left.c_str(), std::ios::binary);
    std::ifstream b(right.c_str(), std::ios::binary);
    if (!a || !b) return false;
    std::vector<char> blockA(kBlockSize);
    std::vector<char> blockB(kBlockSize);
    // Bounded by the files' sizes: each round consumes a block of both.
    for (;;) {
        a.read(blockA.data(), kBlockSize);
        b.read(blockB.data(), kBlockSize);
        if (a.gcount() != b.gcount()) return false;
        if (!std::equal(blockA.begin(), blockA.begin() + a.gcount(), blockB.begin())) return false;
        // A short block ends both files, as their lengths agree so far.
        if (a.gcount() < static_cast<std::streamsize>(kBlockSize)) return true;
    }
}

long long FileSizeOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
