#include "analytics/tracker/tracker_identity.h"

#include <windows.h>

#include "analytics/tracker/distinct_id.h"

namespace vorta::analytics {

namespace {

constexpr char kBase[] = "Base";
constexpr char kUninstallInfo[] = "UninstallInfo";
constexpr char kLoggedIn[] = "OK";
constexpr char kLoggedOut[] = "NG";
// Values longer than 127 bytes are cut, as every reader of this file does.
constexpr DWORD kValueBufferSize = 128;

std::string ReadValue(const std::string& configPath, const char* key) {
    char value[kValueBufferSize] = {};
    GetPrivateProfileStringA(kBase, key, "", value, kValueBufferSize, configPath.c_str());
    return value;
}

void WriteValue(const std::string& configPath, const char* section, const char* key,
                const std::string& value) {
    WritePrivateProfileStringA(section, key, value.c_str(), configPath.c_str());
}

}  // namespace

TrackerIdentity LoadIdentity(const std::string& configPath) {
    TrackerIdentity identity;
    if (GetFileAttributesA(configPath.c_str()) != INVALID_FILE_ATTRIBUTES) {
        identity.distinctId = ReadValue(configPath, "DistinctId");
        identity.primaryDistinctId = ReadValue(configPath, "PrimaryDistinctId");
        if (identity.primaryDistinctId.empty()) identity.primaryDistinctId = identity.distinctId;
        identity.userId = ReadValue(configPath, "UserId");
        identity.userVipLevel =
            static_cast<int>(GetPrivateProfileIntA(kBase, "UserVipLevel", 0, configPath.c_str()));
        identity.isLogined = ReadValue(configPath, "isLogined") == kLoggedIn;
        identity.url = ReadValue(configPath, "URL");
    }
    if (identity.distinctId.empty()) {
        identity.distinctId = NewDistinctId();
        StoreIdentity(configPath, identity);
    }
    return identity;
}

void StoreIdentity(const std::string& configPath, const TrackerIdentity& identity) {
    WriteValue(configPath, kBase, "DistinctId", identity.distinctId);
    WriteValue(configPath, kBase, "PrimaryDistinctId", identity.primaryDistinctId);
    WriteValue(configPath, kBase, "UserId", identity.userId);
    WriteValue(configPath, kBase, "UserVipLevel", std::to_string(identity.userVipLevel));
    WriteValue(configPath, kBase, "URL", identity.url);
    WriteValue(configPath, kBase, "isLogined", identity.isLogined ? kLoggedIn : kLoggedOut);
}

void StoreUninstallInfo(const std::string& configPath, const std::string& appStore,
                        const std::string& appName, const std::string& appVersion) {
    WriteValue(configPath, kUninstallInfo, "AppStore", appStore);
    WriteValue(configPath, kUninstallInfo, "AppName", appName);
    WriteValue(configPath, kUninstallInfo, "AppVersion", appVersion);
}

}  // namespace vorta::analytics
