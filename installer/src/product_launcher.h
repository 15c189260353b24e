#pragma once

// Starting the installed product and opening the product's web pages.

#include <windows.h>

#include <string>

// The licence terms on the product maker's site, behind "《用户许可协议》".
inline constexpr wchar_t kTermsUrl[] = L"https://www.vortasoft.com/quillora/license.html";

// Opens `url` in the default browser, maximised.
void OpenWebPage(const std::wstring& url);

// Opens the start page when its address is longer than 5 characters, then,
// when the product's program exists, lets the window's messages run for
// about 100 ms and starts the program. A missing program is not an error.
void StartProduct(HWND window, const std::wstring& startUrl, const std::wstring& productExe);

// Starts "Quillora.exe" of the installation in `folder`, in that folder.
void OpenInstalledProduct(const std::wstring& folder);
