#include "installer/src/installer_settings.h"

#include <windows.h>

#include "installer/src/settings_loader.h"

namespace {

std::wstring OwnExecutablePath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

// Filled during static initialisation, before the entry point runs.
InstallerSettings g_settings = LoadSettings(OwnExecutablePath());

}  // namespace

InstallerSettings& Settings() {
    return g_settings;
}

void ApplyProcessCommandLine() {
    ApplySwitches(g_settings, SplitCommandLine(GetCommandLineW()));
}
