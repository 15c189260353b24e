#pragma once

// A fresh folder under the user's temporary folder for one test, removed
// with everything in it when the test ends.

#include <windows.h>

#include <filesystem>
#include <string>

namespace RunnerTest {

class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& name) {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        path_ = std::wstring(temp) + name + L"-" + std::to_wstring(GetCurrentProcessId());
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
        std::filesystem::create_directories(path_, ignored);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Without a trailing backslash.
    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

}  // namespace RunnerTest
