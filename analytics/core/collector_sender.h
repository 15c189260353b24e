#pragma once

// Posts one batch of records to the collector over HTTP(S) with libcurl.

#include <string>

namespace usage_analytics {

inline constexpr char kUserAgent[] = "UsageAnalytics CPP SDK 0.9";
inline constexpr long kRequestTimeoutSeconds = 3;

class CollectorSender {
public:
    // `serverUrl` is used exactly as given (it carries the path and the
    // project query).
    explicit CollectorSender(std::string serverUrl) : serverUrl_(std::move(serverUrl)) {}

    // Sends `batch` (a JSON array of records); true when the collector
    // answered with status 200. Failures are reported on the error stream
    // and the debug-output channel; every outcome updates LastSendOk().
    bool Post(const std::string& batch) const;

private:
    struct Reply {
        long status = 0;
        std::string body;  // the response, or libcurl's error text
    };

    Reply Send(const std::string& body) const;

    std::string serverUrl_;
};

}  // namespace usage_analytics
