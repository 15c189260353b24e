#include "installer/src/runner_command_lines.h"

namespace {

const wchar_t* BoolText(bool value) { return value ? L"true" : L"false"; }

}  // namespace

std::wstring BuildPackageCommandLine(const std::wstring& packageCommand,
                                     const PackageSwitches& switches, const std::wstring& instCmd,
                                     const std::wstring& installFolder) {
    std::wstring line = packageCommand;
    line += L" /S -console=show -version=1.0.0";
    line += L" -adminact=";
    line += BoolText(switches.administratorUser);
    line += L" -authorizationact=";
    line += BoolText(switches.elevated);
    line += L" -dsc=";
    line += BoolText(switches.desktopShortcut);
    line += L" -ssc=";
    line += BoolText(switches.quickLaunch);
    if (!instCmd.empty()) line += L" " + instCmd;
    if (!installFolder.empty()) {
        line += L" -instdir=\"" + installFolder + L"\"";
        line += L" /D=" + installFolder;
    }
    return line;
}

std::wstring BuildUninstallerCommandLine(const std::wstring& uninstallerPath,
                                         bool consoleUserIsAdministrator, bool processIsElevated,
                                         const std::wstring& oldInstallFolder) {
    return uninstallerPath + L" /S -adminact=" + BoolText(consoleUserIsAdministrator) +
           L" -authorizationact=" + BoolText(processIsElevated) + L" -console=show _?=" +
           oldInstallFolder;
}
