#pragma once

// Receives the records that any process of the Wine session writes with
// OutputDebugString, through the system's shared debug-output buffer
// ("DBWIN_BUFFER" with its two events). Texts arrive in the ANSI code page
// and are handed out converted back to wide strings.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "utils/unique_handle.h"

namespace TestSupport {

struct DebugRecord {
    DWORD processId;
    std::wstring text;
};

class DebugOutputListener {
public:
    DebugOutputListener();
    ~DebugOutputListener();
    DebugOutputListener(const DebugOutputListener&) = delete;
    DebugOutputListener& operator=(const DebugOutputListener&) = delete;

    bool IsListening() const { return listening_; }

    std::vector<DebugRecord> Records() const;

    // Waits until a record satisfies `match`; false after `timeout`.
    bool WaitFor(const std::function<bool(const DebugRecord&)>& match,
                 std::chrono::milliseconds timeout) const;

    // Waits for a record containing `fragment`.
    bool WaitForText(const std::wstring& fragment, std::chrono::milliseconds timeout) const;

private:
    void Run();

    Utils::ScopedHandle mapping_;
    Utils::ScopedHandle bufferReady_;
    Utils::ScopedHandle dataReady_;
    const char* view_ = nullptr;
    bool listening_ = false;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<DebugRecord> records_;
    std::thread thread_;
};

}  // namespace TestSupport
