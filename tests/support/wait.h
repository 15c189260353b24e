#pragma once

#include <chrono>
#include <thread>

namespace TestSupport {

// Polls `condition` every `interval` until it holds (true) or `timeout`
// has passed (false). For states that raise no event a test could wait on.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout,
               std::chrono::milliseconds interval = std::chrono::milliseconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(interval);
    }
}

}  // namespace TestSupport
