#pragma once

#include <string>

namespace TestSupport {

// A fresh folder under the temporary folder, removed with its contents when
// the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::wstring& Path() const { return path_; }
    // Path() + "\" + name
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Removes a folder and everything below it.
void RemoveTree(const std::wstring& path);

// Whole-file helpers for fixtures.
bool WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);

}  // namespace TestSupport
