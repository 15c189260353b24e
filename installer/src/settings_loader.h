#pragma once

#include <string>
#include <vector>

#include "installer/src/installer_settings.h"

// The built-in download address, before route substitution.
std::wstring DefaultDownloadUrl();

// The defaults, then "VortaInstallerConfig.ini" beside `exePath` when it
// exists.
InstallerSettings LoadSettings(const std::wstring& exePath);

// Applies the command-line switches ("-downloadtype=3" and so on) among
// `tokens`; other tokens are ignored. Of two tokens with the same key the
// first one counts.
void ApplySwitches(InstallerSettings& settings, const std::vector<std::wstring>& tokens);

// Splits a whole command line the way CommandLineToArgvW does.
std::vector<std::wstring> SplitCommandLine(const std::wstring& commandLine);
