#pragma once

#include <string>

namespace Utils {

// The running Windows' family ("Windows") and version name ("XP", "7",
// "10", "10+", ...) from the true version numbers, whatever compatibility
// mode the process runs in.
void GetWindowsVersionName(std::wstring& family, std::wstring& version);

// The version name for given version numbers; "XP-" for 0.0.0.
std::wstring WindowsVersionName(unsigned major, unsigned minor, unsigned build,
                                bool isServer2003R2);

// True on a 64-bit Windows.
bool IsWindows64Bit();

}  // namespace Utils
