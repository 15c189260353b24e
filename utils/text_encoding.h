#pragma once

// Conversions between the installer's wide (UTF-16) texts and byte texts:
// UTF-8 for analytics and URLs, the ANSI code page for paths handed to the C
// run time and libcurl, and any code page a child process writes in.

#include <windows.h>

#include <string>

namespace Utils {

std::string WideToCodePage(const std::wstring& text, UINT codePage);
std::wstring CodePageToWide(const std::string& text, UINT codePage);

inline std::string ToUtf8(const std::wstring& text) { return WideToCodePage(text, CP_UTF8); }
inline std::wstring FromUtf8(const std::string& text) { return CodePageToWide(text, CP_UTF8); }
inline std::string ToAnsi(const std::wstring& text) { return WideToCodePage(text, CP_ACP); }
inline std::wstring FromAnsi(const std::string& text) { return CodePageToWide(text, CP_ACP); }

}  // namespace Utils
