#pragma once

// Where the tracker keeps its files. By default each application has its
// own staging directory "<local application data>\ZRLocal\<appName>\"; a
// "Set.ini" beside the executable can point the tracker at a config file
// that several programs of the product family share. Paths are byte texts
// in the ANSI code page, for the ANSI file APIs.

#include <string>

namespace vorta::analytics {

struct TrackerPaths {
    std::string stagingDir;  // ends with "\"
    std::string configPath;
};

// The running executable's full path.
std::string RunningExecutablePath();

// "Set.ini" in the folder of `executablePath`.
std::string PointerFilePath(const std::string& executablePath);

// The config path that "Set.ini" names (section "Install", key
// "ZRUsageAnalyticsIni") with "/" turned into "\"; empty when the file or
// the key is missing.
std::string ReadConfigPointer(const std::string& pointerFile);

// The paths for a pointer value: the shared file it names when it holds a
// folder separator, else the default layout under `baseFolder`.
TrackerPaths ResolveTrackerPaths(const std::string& pointer, const std::string& baseFolder,
                                 const std::string& fileStem);

// The folder the default layout lives in: the user's local application data
// on Windows 7 and later, the shared documents folder before; as a short
// path, empty when Windows cannot tell.
std::string DefaultBaseFolder();

// Creates `path` and every missing folder above it; false when one cannot
// be created.
bool CreateDirectoryRecursive(const std::string& path);

// Resolves the paths for this executable and creates the staging directory
// (failures are not reported: later file operations there simply fail).
// `fileStem` is the application name as it appears in file names.
TrackerPaths LocateTrackerFiles(const std::string& executablePath, const std::string& fileStem);

// The default tracker log beside the config file.
std::string DefaultLogFilePath(const TrackerPaths& paths, const std::string& fileStem);

}  // namespace vorta::analytics
