#include "tests/support/collector_server.h"

#include <windows.h>

#include <curl/curl.h>

#include <atomic>
#include <fstream>
#include <memory>
#include <vector>

#include "tests/support/test_paths.h"
#include "tests/support/wait.h"
#include "utils/text_encoding.h"

namespace TestSupport {

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(15);
constexpr auto kStopTimeout = std::chrono::seconds(5);
constexpr long kControlTimeoutSeconds = 10;

struct EasyHandleDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

size_t CollectBody(char* data, size_t size, size_t count, void* context) {
    static_cast<std::string*>(context)->append(data, size * count);
    return size * count;
}

// A port file name no other collector of this machine uses.
std::string UniquePortFile() {
    static std::atomic<int> counter{0};
    return "/tmp/quillora-collector-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount()) + "-" + std::to_string(++counter) + ".port";
}

// The Linux Python started from a Windows process: Wine runs it as a native
// program. Its handles say nothing reliable about it, so they are closed at
// once; the port file tells that it listens, a control request stops it.
bool LaunchCollector(const std::string& portFile, std::chrono::seconds idleTimeout) {
    const std::wstring commandLine = L"/usr/bin/python3 \"" + Utils::FromUtf8(QUILLORA_SOURCE_DIR) +
                                     L"/tests/servers/collector.py\" --port-file \"" +
                                     Utils::FromUtf8(portFile) + L"\" --idle-timeout " +
                                     std::to_wstring(idleTimeout.count());
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return true;
}

int ReadPort(const std::wstring& portFile) {
    std::ifstream file(portFile.c_str());
    int port = 0;
    return file >> port ? port : 0;
}

std::string ModeName(CollectorServer::Mode mode) {
    switch (mode) {
        case CollectorServer::Mode::Ok:
            return "ok";
        case CollectorServer::Mode::Fail:
            return "fail";
        case CollectorServer::Mode::Hang:
            return "hang";
    }
    return "ok";
}

}  // namespace

CollectorServer::CollectorServer(std::chrono::seconds idleTimeout) {
    const std::string portFile = UniquePortFile();
    if (!LaunchCollector(portFile, idleTimeout)) return;
    const std::wstring windowsPortFile = WindowsPathOf(portFile);
    WaitUntil([&] { return (port_ = ReadPort(windowsPortFile)) != 0; }, kStartTimeout);
    DeleteFileW(windowsPortFile.c_str());
}

CollectorServer::~CollectorServer() { Stop(); }

std::string CollectorServer::Url() const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/sa?project=pc";
}

std::optional<std::string> CollectorServer::Get(const std::string& pathAndQuery) const {
    if (!Started()) return std::nullopt;
    const std::unique_ptr<CURL, EasyHandleDeleter> handle(curl_easy_init());
    if (!handle) return std::nullopt;
    const std::string url = "http://127.0.0.1:" + std::to_string(port_) + pathAndQuery;
    std::string body;
    curl_easy_setopt(handle.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle.get(), CURLOPT_TIMEOUT, kControlTimeoutSeconds);
    curl_easy_setopt(handle.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle.get(), CURLOPT_WRITEFUNCTION, CollectBody);
    curl_easy_setopt(handle.get(), CURLOPT_WRITEDATA, &body);
    long status = 0;
    if (curl_easy_perform(handle.get()) != CURLE_OK) return std::nullopt;
    curl_easy_getinfo(handle.get(), CURLINFO_RESPONSE_CODE, &status);
    if (status != 200) return std::nullopt;
    return body;
}

JsonValue CollectorServer::GetJson(const std::string& pathAndQuery) const {
    const std::optional<std::string> body = Get(pathAndQuery);
    if (!body) return {};
    return JsonValue::Parse(*body).value_or(JsonValue());
}

JsonValue CollectorServer::Records() const { return GetJson("/_records"); }

JsonValue CollectorServer::Requests() const { return GetJson("/_requests"); }

bool CollectorServer::Reset() const { return Get("/_reset").has_value(); }

bool CollectorServer::SetMode(Mode mode) const {
    return Get("/_mode?default=" + ModeName(mode)).has_value();
}

bool CollectorServer::SetNextModes(const std::vector<Mode>& modes) const {
    std::string list;
    for (const Mode mode : modes) list += (list.empty() ? "" : ",") + ModeName(mode);
    return Get("/_mode?next=" + list).has_value();
}

void CollectorServer::Stop() {
    if (!Started()) return;
    if (Get("/_stop")) {
        WaitUntil([&] { return !Get("/_records"); }, kStopTimeout);
    }
    port_ = 0;
}

}  // namespace TestSupport
