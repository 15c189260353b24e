#pragma once

#include <string>

// The package route for the running Windows: "download_silent_xp" on XP and
// older, otherwise "download_silent" (or "download_silent_64" for products
// that ship a 64-bit package, on 64-bit Windows).
std::wstring ChooseDownloadRoute(const std::wstring& windowsVersionName, bool is64BitWindows);

// Replaces every "${ROUTE}" in `url` with `route`.
std::wstring ReplaceRoutePlaceholder(std::wstring url, const std::wstring& route);

// `url` with "${ROUTE}" replaced by the running Windows' route.
std::wstring SubstituteRoute(const std::wstring& url);
