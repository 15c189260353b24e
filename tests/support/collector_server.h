#pragma once

// Runs the test collector (tests/servers/collector.py) for one test: a
// loopback stand-in for the analytics collector that decodes every posted
// batch and keeps its records. See the script's header for its modes and
// control requests.
//
//   TestSupport::CollectorServer collector;
//   ASSERT_TRUE(collector.Started());
//   usage_analytics::Sdk::Init(staging, collector.Url(), "device-1", false);
//   ...
//   const TestSupport::JsonValue records = collector.Records();

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/json_value.h"

namespace TestSupport {

class CollectorServer {
public:
    // How the collector answers a POST: 200 and keep the records; 500; or
    // no answer until long after the SDK's time-out.
    enum class Mode { Ok, Fail, Hang };

    // Starts the collector and waits (bounded) for it to listen. It stops by
    // itself after `idleTimeout` without requests.
    explicit CollectorServer(std::chrono::seconds idleTimeout = std::chrono::seconds(60));
    // Stops the collector.
    ~CollectorServer();
    CollectorServer(const CollectorServer&) = delete;
    CollectorServer& operator=(const CollectorServer&) = delete;

    bool Started() const { return port_ != 0; }
    int Port() const { return port_; }
    // The collector URL an SDK posts to: http://127.0.0.1:<port>/sa?project=pc
    std::string Url() const;

    // Every record of the batches answered 200, in arrival order (an array;
    // null when the collector could not be asked).
    JsonValue Records() const;
    // One entry per POST (path, query, user_agent, content_type, body,
    // records, mode, status, error).
    JsonValue Requests() const;

    // Forgets records and requests and answers 200 again.
    bool Reset() const;
    // The answer to every later POST.
    bool SetMode(Mode mode) const;
    // The answers to the next POSTs, one each, before the default applies
    // again.
    bool SetNextModes(const std::vector<Mode>& modes) const;

    // Stops the collector and waits (bounded) until its port refuses
    // connections, so that posts to Url() fail as with a collector that is
    // down.
    void Stop();

private:
    // The body of a GET of the control path, or nullopt on any failure.
    std::optional<std::string> Get(const std::string& pathAndQuery) const;
    JsonValue GetJson(const std::string& pathAndQuery) const;

    int port_ = 0;
};

}  // namespace TestSupport
