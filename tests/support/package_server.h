#pragma once

// The package download server of tests/servers/package_server.py, run for
// one test: started on construction, controlled through its HTTP control
// requests and stopped by the destructor (it also stops by itself when
// idle). It serves the files of one folder; see the script for addresses.

#include <string>
#include <utility>
#include <vector>

namespace TestSupport {

// One request the server answered (control requests aside).
struct ServedRequest {
    std::string method;
    std::string path;
    std::string range;  // the Range header; empty when there was none
};

// A fault injected into the next matching requests; see the script for the
// kinds ("close_after", "stall", "status", "overrun", "short", "throttle",
// "wrong_md5") and what `amount` means for each.
//
//   server.AddFault(ServerFault("/x/a.exe", "status", 503).Method("GET").Always());
struct ServerFault {
    ServerFault(std::string path, std::string kind, long long amount = 0)
        : path(std::move(path)), kind(std::move(kind)), amount(amount) {}

    // Only requests with this method ("GET" or "HEAD").
    ServerFault& Method(std::string name) {
        method = std::move(name);
        return *this;
    }
    // Only range requests starting at this byte.
    ServerFault& RangeStart(long long offset) {
        rangeStart = offset;
        return *this;
    }
    // "stall": the body bytes sent before the pause.
    ServerFault& After(long long bytes) {
        after = bytes;
        return *this;
    }
    ServerFault& Times(int count) {
        times = count;
        return *this;
    }
    ServerFault& Always() { return Times(-1); }

    std::string path;
    std::string kind;
    long long amount;
    long long after = 0;
    std::string method;         // empty: any
    long long rangeStart = -1;  // -1: any request
    int times = 1;              // -1: every matching request
};

class PackageServer {
public:
    // Serves the files in `rootFolder` on `port` (0: any free port).
    explicit PackageServer(const std::wstring& rootFolder, int port = 0);
    ~PackageServer();
    PackageServer(const PackageServer&) = delete;
    PackageServer& operator=(const PackageServer&) = delete;

    bool Running() const { return port_ != 0; }
    int Port() const { return port_; }

    // "http://127.0.0.1:<port>" + `path`.
    std::wstring Url(const std::string& path) const;

    bool AddFault(const ServerFault& fault);
    // Clears the faults and the request log.
    bool Reset();
    std::vector<ServedRequest> Requests() const;
    // The requests for `path` with the given method, in order.
    std::vector<ServedRequest> Requests(const std::string& method, const std::string& path) const;

private:
    // Sends a control request; its body, or nothing when it failed.
    bool Control(const std::string& pathAndQuery, std::string* body = nullptr) const;

    std::wstring portFile_;
    int port_ = 0;
};

}  // namespace TestSupport
