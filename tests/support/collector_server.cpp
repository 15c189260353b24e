#include "tests/support/collector_server.h"

#include <windows.h>

#include <atomic>

#include "tests/support/test_paths.h"
#include "tests/support/unix_program.h"
#include "tests/support/wait.h"
#include "utils/text_encoding.h"

namespace TestSupport {

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(15);
constexpr auto kStopTimeout = std::chrono::seconds(5);

// A port file name no other collector of this machine uses.
std::string UniquePortFile() {
    static std::atomic<int> counter{0};
    return "/tmp/quillora-collector-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount()) + "-" + std::to_string(++counter) + ".port";
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
    if (!StartUnixProgram(L"/usr/bin/python3 \"" + Utils::FromUtf8(QUILLORA_SOURCE_DIR) +
                          L"/tests/servers/collector.py\" --port-file \"" +
                          Utils::FromUtf8(portFile) + L"\" --idle-timeout " +
                          std::to_wstring(idleTimeout.count()))) {
        return;
    }
    const std::wstring windowsPortFile = WindowsPathOf(portFile);
    port_ = WaitForPortFile(windowsPortFile, kStartTimeout);
    DeleteFileW(windowsPortFile.c_str());
}

CollectorServer::~CollectorServer() { Stop(); }

std::string CollectorServer::Url() const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/sa?project=pc";
}

std::optional<std::string> CollectorServer::Get(const std::string& pathAndQuery) const {
    if (!Started()) return std::nullopt;
    return LoopbackGet(port_, pathAndQuery);
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
