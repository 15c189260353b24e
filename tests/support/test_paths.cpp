#include "tests/support/test_paths.h"

#include "utils/text_encoding.h"

namespace TestSupport {

std::wstring WindowsPathOf(const std::string& unixPath) {
    std::wstring path = L"Z:" + Utils::FromUtf8(unixPath);
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    while (path.size() > 3 && path.back() == L'\\') path.pop_back();
    return path;
}

std::wstring SourceDir() { return WindowsPathOf(QUILLORA_SOURCE_DIR); }

std::wstring BuildDir() { return WindowsPathOf(QUILLORA_BINARY_DIR); }

std::wstring InstallerExe() { return BuildDir() + L"\\QuilloraInstaller.exe"; }

}  // namespace TestSupport
