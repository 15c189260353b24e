#include "utils/install_registry.h"

#include <vector>

#include "utils/unique_handle.h"

namespace Utils {

bool WriteInstallRegistryValue(const std::wstring& name, const std::wstring& text) {
    ScopedRegKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kInstallRegistryKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, key.Receive(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    return RegSetValueExW(key.Get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool ReadInstallRegistryValue(const std::wstring& name, DWORD& type, std::wstring& text) {
    ScopedRegKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kInstallRegistryKey, 0, KEY_READ, key.Receive()) !=
        ERROR_SUCCESS) {
        return false;
    }
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, nullptr, nullptr, &size) !=
        ERROR_SUCCESS) {
        return false;
    }
    // Room for a terminating null that the stored data may lack.
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 2, L'\0');
    DWORD valueType = 0;
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &valueType,
                         reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS) {
        return false;
    }
    type = valueType;
    text = buffer.data();
    return true;
}

}  // namespace Utils
