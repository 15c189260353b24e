#include "analytics/tracker/tracker_paths.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>

#include "analytics/tracker/system_info.h"

namespace vorta::analytics {

namespace {

constexpr char kPointerFileName[] = "Set.ini";
constexpr char kLocalFolderName[] = "ZRLocal";
constexpr char kConfigSuffix[] = "_ZRSConfigure.ini";
constexpr char kLogSuffix[] = "_ZRSLog.txt";

std::string WithBackslashes(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

std::string WithTrailingBackslash(std::string path) {
    if (path.empty() || path.back() != '\\') path += '\\';
    return path;
}

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string SpecialFolder(int csidl) {
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list))) return {};
    char path[MAX_PATH] = {};
    const bool found = SHGetPathFromIDListA(list, path) != FALSE;
    CoTaskMemFree(list);
    if (!found) return {};
    char shortPath[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path, shortPath, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(shortPath, length) : std::string();
}

}  // namespace

std::string RunningExecutablePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, std::min<DWORD>(length, MAX_PATH));
}

std::string PointerFilePath(const std::string& executablePath) {
    const std::string path = WithBackslashes(executablePath);
    const std::size_t lastSeparator = path.rfind('\\');
    const std::string folder =
        lastSeparator == std::string::npos ? std::string() : path.substr(0, lastSeparator + 1);
    return WithTrailingBackslash(folder) + kPointerFileName;
}

std::string ReadConfigPointer(const std::string& pointerFile) {
    if (!PathExists(pointerFile)) return {};
    char value[MAX_PATH] = {};
    GetPrivateProfileStringA("Install", "ZRUsageAnalyticsIni", "", value, MAX_PATH,
                             pointerFile.c_str());
    return WithBackslashes(value);
}

TrackerPaths ResolveTrackerPaths(const std::string& pointer, const std::string& baseFolder,
                                 const std::string& fileStem) {
    if (pointer.find_first_of("\\/") == std::string::npos) {
        const std::string stagingDir =
            baseFolder + "\\" + kLocalFolderName + "\\" + fileStem + "\\";
        return {stagingDir, stagingDir + fileStem + kConfigSuffix};
    }
    const std::string configPath = WithBackslashes(pointer);
    const std::size_t lastSeparator = configPath.rfind('\\');
    return {configPath.substr(0, lastSeparator) + "\\", configPath};
}

std::string DefaultBaseFolder() {
    return SpecialFolder(IsWindows7OrLater() ? CSIDL_LOCAL_APPDATA : CSIDL_COMMON_DOCUMENTS);
}

bool CreateDirectoryRecursive(const std::string& path) {
    if (PathExists(path)) return true;
    const std::string full = WithTrailingBackslash(WithBackslashes(path));
    for (std::size_t separator = full.find('\\'); separator != std::string::npos;
         separator = full.find('\\', separator + 1)) {
        const std::string prefix = full.substr(0, separator);
        if (prefix.empty() || PathExists(prefix)) continue;
        if (!CreateDirectoryA(prefix.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
            return false;
        }
    }
    return true;
}

TrackerPaths LocateTrackerFiles(const std::string& executablePath, const std::string& fileStem) {
    const std::string pointer = ReadConfigPointer(PointerFilePath(executablePath));
    const bool shared = pointer.find('\\') != std::string::npos;
    const TrackerPaths paths =
        ResolveTrackerPaths(pointer, shared ? std::string() : DefaultBaseFolder(), fileStem);
    CreateDirectoryRecursive(paths.stagingDir);
    return paths;
}

std::string DefaultLogFilePath(const TrackerPaths& paths, const std::string& fileStem) {
    return paths.stagingDir + fileStem + kLogSuffix;
}

}  // namespace vorta::analytics
