#pragma once

#include <windows.h>

#include <string>

namespace Utils {

// The installer's private folder inside the user's temporary folder,
// "%TEMP%\~VortaTemp.92482B06FB471E17\", created when missing. Returns 0 and
// fills `path` on success, non-zero (leaving `path` untouched) on failure.
int GetPrivateTempFolder(wchar_t (&path)[MAX_PATH]);

// The same folder as a string, empty on failure.
std::wstring GetPrivateTempFolder();

}  // namespace Utils
