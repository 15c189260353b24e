#pragma once

// The command lines the runners start their child with. The setup package
// and the uninstaller read these switches, so their order and spelling are
// part of the console protocol with them.

#include <string>

// The package switches the owner chooses before every start.
struct PackageSwitches {
    bool desktopShortcut = false;    // "-dsc"
    bool quickLaunch = false;        // "-ssc"
    bool administratorUser = false;  // "-adminact": the console user is an administrator
    bool elevated = false;           // "-authorizationact": this process runs elevated
};

// `packageCommand` is the package path already in double quotes. `instCmd`
// (the InstCmd setting) is appended verbatim when not empty. An empty
// `installFolder` leaves the choice of folder to the package; otherwise
// "/D=" comes last, because the package takes the rest of its command line
// after it as the folder.
std::wstring BuildPackageCommandLine(const std::wstring& packageCommand,
                                     const PackageSwitches& switches, const std::wstring& instCmd,
                                     const std::wstring& installFolder);

// "_?=" tells the uninstaller which installation to remove, as it runs from a
// copy outside that folder.
std::wstring BuildUninstallerCommandLine(const std::wstring& uninstallerPath,
                                         bool consoleUserIsAdministrator, bool processIsElevated,
                                         const std::wstring& oldInstallFolder);
