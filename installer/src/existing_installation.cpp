#include "installer/src/existing_installation.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <clocale>
#include <cwchar>

#include "installer/src/installation_folders.h"
#include "utils/administrator_checks.h"
#include "utils/directory_chain.h"
#include "utils/guid_text.h"
#include "utils/install_registry.h"

namespace {

constexpr wchar_t kMarkerName[] = L"uninst.ep";

std::wstring ReadRegistryText(const wchar_t* name) {
    DWORD type = 0;
    std::wstring text;
    return Utils::ReadInstallRegistryValue(name, type, text) ? text : std::wstring();
}

std::wstring EnvironmentFolder(const wchar_t* name) {
    wchar_t value[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(value) : std::wstring();
}

std::wstring SpecialFolder(int id) {
    wchar_t path[MAX_PATH] = {};
    return SHGetSpecialFolderPathW(nullptr, path, id, FALSE) ? std::wstring(path) : std::wstring();
}

std::wstring OwnFileName() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return PathFindFileNameW(path);
}

bool FileExists(const std::wstring& path) { return PathFileExistsW(path.c_str()) != FALSE; }

}  // namespace

void ExistingInstallation::ReadRegistered() {
    registeredFolder_ = ReadRegistryText(L"InstallPath");
    registeredMarker_ = ReadRegistryText(L"UnInstallEp");
    if (registeredMarker_.empty() && !registeredFolder_.empty()) {
        registeredMarker_ = JoinPath(registeredFolder_, kMarkerName);
    }
}

std::wstring ExistingInstallation::DefaultInstallFolder() {
    consoleUserIsAdministrator_ = Utils::ConsoleUserIsAdministrator();
    processIsElevated_ = Utils::ProcessIsElevated();
    DefaultFolderInputs inputs;
    inputs.registeredFolder = registeredFolder_;
    inputs.registeredMarkerExists = !registeredMarker_.empty() && FileExists(registeredMarker_);
    inputs.consoleUserIsAdministrator = consoleUserIsAdministrator_;
    inputs.processIsElevated = processIsElevated_;
    inputs.appData = EnvironmentFolder(L"APPDATA");
    inputs.programFilesX86 = SpecialFolder(CSIDL_PROGRAM_FILESX86);
    inputs.programFiles = SpecialFolder(CSIDL_PROGRAM_FILES);
    return ChooseDefaultInstallFolder(inputs);
}

bool ExistingInstallation::IsDefaultFolder(const std::wstring& folder) {
    return IsSameFolder(DefaultInstallFolder(), folder);
}

std::wstring ExistingInstallation::TargetFolderFromChoice(const std::wstring& chosenFolder) {
    const std::wstring defaultFolder = DefaultInstallFolder();
    if (IsSameFolder(defaultFolder, chosenFolder)) return defaultFolder;
    return JoinPath(chosenFolder, L"Quillora");
}

bool ExistingInstallation::KeepRegisteredInstallation(const std::wstring& targetFolder) const {
    if (IsSameFolder(registeredFolder_, targetFolder)) return false;
    wchar_t value[20] = {};
    GetPrivateProfileStringW(L"Uninstall", L"IsOverride", L"true", value, 20,
                             JoinPath(targetFolder, L"set.ini").c_str());
    return std::wstring(value) == L"false";
}

std::wstring ExistingInstallation::RecordInRegistry(const std::wstring& targetFolder,
                                                    const std::wstring& reportedMarker) const {
    Utils::WriteInstallRegistryValue(L"InstallPath", targetFolder);
    const std::wstring marker =
        reportedMarker.empty() ? JoinPath(targetFolder, kMarkerName) : reportedMarker;
    if (FileExists(marker)) Utils::WriteInstallRegistryValue(L"UnInstallEp", marker);
    return marker;
}

std::wstring ExistingInstallation::SharedAnalyticsFolder() {
    std::wstring base = EnvironmentFolder(L"APPDATA");
    if (base.empty()) base = SpecialFolder(CSIDL_COMMON_DOCUMENTS);
    return JoinPath(JoinPath(base, L"VortaData"), L"Quillora");
}

void ExistingInstallation::WriteSetIni(const std::wstring& targetFolder) const {
    const std::wstring ini = JoinPath(targetFolder, L"set.ini");
    setlocale(LC_ALL, "en_GB.UTF-8");
    WritePrivateProfileStringW(L"Install", L"APPStore", OwnFileName().c_str(), ini.c_str());
    WritePrivateProfileStringW(L"Install", L"AppName", L"Quillora", ini.c_str());
    WritePrivateProfileStringW(L"Install", L"DeviceID", Utils::NewGuidText().c_str(), ini.c_str());

    const std::wstring shared = SharedAnalyticsFolder();
    if (!Utils::CreateDirectoryChain(shared)) return;
    const std::wstring sharedFile = JoinPath(shared, L"ZRUsageAnalytics.ini");
    WritePrivateProfileStringW(L"Install", L"ZRUsageAnalyticsIni", sharedFile.c_str(), ini.c_str());

    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t time[128] = {};
    _snwprintf(time, 127, L"%d-%02d-%02d %02d:%02d:%02d", now.wYear, now.wMonth, now.wDay,
               now.wHour, now.wMinute, now.wSecond);
    WritePrivateProfileStringW(L"Init", L"UpdateTime", time, sharedFile.c_str());
}
