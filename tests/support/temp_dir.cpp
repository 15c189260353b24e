#include "tests/support/temp_dir.h"

#include <windows.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <sstream>

namespace TestSupport {

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    std::wstringstream name;
    name << base << L"quillora-test-" << GetCurrentProcessId() << L"-" << GetTickCount() << L"-"
         << counter++;
    path_ = name.str();
    CreateDirectoryW(path_.c_str(), nullptr);
}

TempDir::~TempDir() { RemoveTree(path_); }

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(path.c_str());
}

bool WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

std::string ReadBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool FileExists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace TestSupport
