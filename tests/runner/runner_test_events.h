#pragma once

// Helpers for the runner tests: readable console events in failure
// messages, and a thread-safe record of the events a runner reports.

#include <gtest/gtest.h>

#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "installer/src/console_protocol.h"
#include "installer/src/runner_events.h"
#include "utils/text_encoding.h"

inline void PrintTo(const ConsoleEvent& event, std::ostream* out) {
    *out << "{" << event.code << ", " << event.value << ", \"" << Utils::ToUtf8(event.text)
         << "\"}";
}

namespace RunnerTest {

// Collects the events of a runner's callback, which runs on the runner's
// worker thread.
class EventRecorder {
public:
    RunnerCallback Callback() {
        return [this](int code, double value, const std::wstring& text) {
            std::lock_guard<std::mutex> lock(mutex_);
            events_.push_back({code, value, text});
        };
    }

    std::vector<ConsoleEvent> Events() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return events_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<ConsoleEvent> events_;
};

// One run of the fake package in a scenario and the events it must give.
struct ScenarioCase {
    const char* scenario;
    std::vector<ConsoleEvent> expected;
};

inline void PrintTo(const ScenarioCase& c, std::ostream* out) { *out << c.scenario; }

// The scenario's name ("fail-then-exit") as a test name.
inline std::string ScenarioTestName(const testing::TestParamInfo<ScenarioCase>& info) {
    std::string name = info.param.scenario;
    for (char& c : name) {
        if (c == '-') c = '_';
    }
    return name;
}

}  // namespace RunnerTest
