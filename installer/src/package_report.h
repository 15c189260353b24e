#pragma once

// What the setup package tells the window about the installed product
// (events 3001 to 3008): where it went, how to start it and when.

#include <string>

enum StartupStyle : int {
    kNonStartup = 0,   // never start the product
    kAutoStartup = 1,  // start it as soon as the installation succeeded
    kUserStartup = 2,  // start it when the user clicks "立即体验"
};

struct PackageReport {
    std::wstring productExe;         // "ExePath" / "StartExe"
    std::wstring uninstallerMarker;  // "UninstEp"
    std::wstring startUrl = kDefaultStartUrl;
    int startupStyle = kNonStartup;
    unsigned topShowDelayMs = 3000;
    // The largest period: the system holds timers to its longest one.
    unsigned finishCloseDelayMs = 0xFFFFFFFFu;

    // The product's page on its maker's site, opened with the product unless
    // the package names another.
    static constexpr wchar_t kDefaultStartUrl[] = L"https://www.vortasoft.com/quillora/";

    // Takes in one package information event; false for any other code.
    bool Apply(int code, double value, const std::wstring& text);
};
