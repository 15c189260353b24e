#pragma once

// The process-wide installer settings: built-in defaults, then
// "VortaInstallerConfig.ini" beside the executable (read during static
// initialisation), then the command line (applied once by start-up). After
// start-up they are only read, from any thread, without locks.

#include <string>

struct InstallerSettings {
    std::wstring productId = L"Quillora";
    std::wstring installerVersion = L"1.7.9";
    std::wstring exeFileName;
    std::wstring dlAppNameSuffix = L".downloader";
    std::wstring dlAppVersion;
    std::wstring instCmd;
    std::wstring downloadUrl;
    int downloadType = 1;
    bool isCheckNet = false;
    bool isEnableAppAnalytics = true;
    double downloadScale = 0.7;
    // Cleared by start-up when libcurl fails to initialise.
    bool transferLibraryReady = true;

    // The A/B-test group sent with funnel events.
    std::wstring AbGroup() const { return L"IN"; }
};

InstallerSettings& Settings();

// Applies this process's command-line switches to the settings; start-up
// calls it once.
void ApplyProcessCommandLine();
