#pragma once

// What the tracker reports about the machine: the Windows name and version
// text, the user agent, the user's locale and the primary screen's size.

#include <optional>
#include <string>

namespace vorta::analytics {

struct NtVersion {
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;  // low 16 bits of the reported build number
};

// The version text for the given numbers: "XP", "7", "7-32", "10", "11",
// "11+", ... `isServer2003R2` only matters for 32-bit 5.2.
std::string OsVersionText(const NtVersion& version, bool is64BitWindows, bool isServer2003R2);

// Always "Windows".
std::string OsName();

// The running system's version text from ntdll's own numbers, which no
// compatibility mode alters; "XP-" when ntdll cannot tell.
std::string OsVersion();

// True on 64-bit Windows (this program runs as a 32-bit process).
bool Is64BitWindows();

// Windows 7 (NT 6.1) or later, by ntdll's numbers.
bool IsWindows7OrLater();

// "Mozilla/5.0(Windows 10; Win64;)" and the like.
std::string UserAgent(const std::string& osName, const std::string& osVersion, bool is64BitWindows);
std::string UserAgent();

struct Locale {
    std::string language;
    std::string country;
    std::string text;  // language + "_" + country
};

// The user's default locale as ISO codes; all empty when Windows cannot
// tell.
Locale SystemLocale();

// Splits a locale text such as "zh_CN" at its first "_"; nullopt for a
// text without "_".
std::optional<Locale> SplitLocale(const std::string& locale);

struct ScreenSize {
    int width = 0;
    int height = 0;
};
ScreenSize PrimaryScreenSize();

}  // namespace vorta::analytics
