#pragma once

// The device and user identity that the tracker keeps in its config file
// (an ini file, section "Base"), and the file's "UninstallInfo" section.

#include <string>

namespace vorta::analytics {

struct TrackerIdentity {
    bool isLogined = false;
    std::string userId;
    std::string distinctId;
    std::string primaryDistinctId;  // the device's own id
    int userVipLevel = 0;
    std::string url;  // the collector the ids belong to
};

// Reads the identity; a missing file or a missing "DistinctId" gives a new
// distinct id, which is stored at once.
TrackerIdentity LoadIdentity(const std::string& configPath);

// Writes the "Base" section, creating the file when it is missing. Failures
// are not reported.
void StoreIdentity(const std::string& configPath, const TrackerIdentity& identity);

// Writes the "UninstallInfo" section that the product's uninstaller reads.
void StoreUninstallInfo(const std::string& configPath, const std::string& appStore,
                        const std::string& appName, const std::string& appVersion);

}  // namespace vorta::analytics
