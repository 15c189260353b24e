#include "installer/src/download_route.h"

#include <algorithm>

#include "utils/windows_version.h"

namespace {

constexpr wchar_t kPlaceholder[] = L"${ROUTE}";
constexpr int kProductNumber = 501;
constexpr int kProductsWith64BitPackage[] = {267, 385, 257, 335, 318};

}  // namespace

std::wstring ChooseDownloadRoute(const std::wstring& windowsVersionName, bool is64BitWindows) {
    if (windowsVersionName.find(L"XP") != std::wstring::npos) return L"download_silent_xp";
    const bool has64BitPackage =
        std::find(std::begin(kProductsWith64BitPackage), std::end(kProductsWith64BitPackage),
                  kProductNumber) != std::end(kProductsWith64BitPackage);
    if (has64BitPackage && is64BitWindows) return L"download_silent_64";
    return L"download_silent";
}

std::wstring ReplaceRoutePlaceholder(std::wstring url, const std::wstring& route) {
    const std::wstring placeholder = kPlaceholder;
    for (size_t at = url.find(placeholder); at != std::wstring::npos; at = url.find(placeholder)) {
        url.replace(at, placeholder.size(), route);
    }
    return url;
}

std::wstring SubstituteRoute(const std::wstring& url) {
    if (url.find(kPlaceholder) == std::wstring::npos) return url;
    std::wstring family, version;
    Utils::GetWindowsVersionName(family, version);
    return ReplaceRoutePlaceholder(url, ChooseDownloadRoute(version, Utils::IsWindows64Bit()));
}
