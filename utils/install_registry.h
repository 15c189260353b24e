#pragma once

#include <windows.h>

#include <string>

namespace Utils {

// The installation's registry key, HKEY_CURRENT_USER\Software\VortaSoft\Quillora.
inline constexpr wchar_t kInstallRegistryKey[] = L"Software\\VortaSoft\\Quillora";

// Stores `text` as a REG_SZ value, creating the key when needed.
bool WriteInstallRegistryValue(const std::wstring& name, const std::wstring& text);

// Reads a value as text and reports its registry type; false when the key or
// the value is missing.
bool ReadInstallRegistryValue(const std::wstring& name, DWORD& type, std::wstring& text);

}  // namespace Utils
