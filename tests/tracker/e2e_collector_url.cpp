// The test build of the installer (QuilloraInstaller_e2e.exe) takes its
// default collector from the "Test" section of "VortaInstallerConfig.ini"
// beside it, so that end-to-end tests and demos can point the real
// installer at a loopback collector. This definition replaces the shipped
// one at link time; the shipped installer never reads the key.

#include <windows.h>
#include <shlwapi.h>

#include "analytics/core/collector_url.h"
#include "analytics/tracker/default_server_url.h"
#include "utils/text_encoding.h"

namespace vorta::analytics {

std::string DefaultServerUrl() {
    wchar_t config[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, config, MAX_PATH);
    PathRemoveFileSpecW(config);
    PathAppendW(config, L"VortaInstallerConfig.ini");
    wchar_t url[1024] = {};
    GetPrivateProfileStringW(L"Test", L"CollectorUrl", L"", url, 1024, config);
    return url[0] ? Utils::ToUtf8(url) : usage_analytics::DefaultCollectorUrl();
}

}  // namespace vorta::analytics
