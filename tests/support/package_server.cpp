#include "tests/support/package_server.h"

#include <windows.h>

#include <curl/curl.h>

#include <chrono>
#include <memory>
#include <sstream>

#include "tests/support/unix_program.h"
#include "tests/support/wait.h"
#include "utils/text_encoding.h"

namespace TestSupport {
namespace {

constexpr auto kStartTimeout = std::chrono::seconds(20);
constexpr auto kStopTimeout = std::chrono::seconds(5);

std::string Escaped(CURL* curl, const std::string& text) {
    char* escaped = curl_easy_escape(curl, text.c_str(), static_cast<int>(text.size()));
    std::string result = escaped ? escaped : "";
    curl_free(escaped);
    return result;
}

}  // namespace

PackageServer::PackageServer(const std::wstring& rootFolder, int port)
    : portFile_(rootFolder + L".port") {
    DeleteFileW(portFile_.c_str());
    std::wstring commandLine =
        L"/usr/bin/python3 " +
        Utils::FromUtf8(QUILLORA_SOURCE_DIR "/tests/servers/package_server.py") + L" --root \"" +
        Utils::FromUtf8(UnixPathOf(rootFolder)) + L"\" --port-file \"" +
        Utils::FromUtf8(UnixPathOf(portFile_)) + L"\" --port " + std::to_wstring(port);
    if (!StartUnixProgram(commandLine)) return;
    port_ = WaitForPortFile(portFile_, kStartTimeout);
}

PackageServer::~PackageServer() {
    if (!Running()) return;
    Control("/__control/stop");
    WaitUntil([this] { return GetFileAttributesW(portFile_.c_str()) == INVALID_FILE_ATTRIBUTES; },
              kStopTimeout);
}

std::wstring PackageServer::Url(const std::string& path) const {
    return L"http://127.0.0.1:" + std::to_wstring(port_) + Utils::FromUtf8(path);
}

bool PackageServer::AddFault(const ServerFault& fault) {
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    std::ostringstream query;
    query << "/__control/fault?path=" << Escaped(curl.get(), fault.path) << "&kind=" << fault.kind
          << "&amount=" << fault.amount << "&after=" << fault.after << "&times=" << fault.times;
    if (!fault.method.empty()) query << "&method=" << fault.method;
    if (fault.rangeStart >= 0) query << "&range_start=" << fault.rangeStart;
    return Control(query.str());
}

bool PackageServer::Reset() { return Control("/__control/reset"); }

std::vector<ServedRequest> PackageServer::Requests() const {
    std::string log;
    Control("/__control/requests", &log);
    std::vector<ServedRequest> requests;
    std::istringstream lines(log);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        ServedRequest request;
        std::getline(fields, request.method, '\t');
        std::getline(fields, request.path, '\t');
        std::getline(fields, request.range, '\t');
        requests.push_back(request);
    }
    return requests;
}

std::vector<ServedRequest> PackageServer::Requests(const std::string& method,
                                                   const std::string& path) const {
    std::vector<ServedRequest> matching;
    for (const ServedRequest& request : Requests()) {
        if (request.method == method && request.path == path) matching.push_back(request);
    }
    return matching;
}

bool PackageServer::Control(const std::string& pathAndQuery, std::string* body) const {
    if (!Running()) return false;
    const std::optional<std::string> received = LoopbackGet(port_, pathAndQuery);
    if (received && body != nullptr) *body = *received;
    return received.has_value();
}

}  // namespace TestSupport
