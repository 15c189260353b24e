#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "utils/unique_handle.h"

namespace TestSupport {

// A process started by a test. It is ended (if still running) when the
// object goes, so that a failing test leaves nothing behind.
class ChildProcess {
public:
    // Starts `commandLine` (program path first, quoted as needed).
    explicit ChildProcess(const std::wstring& commandLine);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    DWORD Id() const { return processId_; }

    // The exit code once the process has ended within `timeout`.
    std::optional<DWORD> Wait(std::chrono::milliseconds timeout);

private:
    Utils::ScopedHandle process_;
    DWORD processId_ = 0;
};

// The first visible top-level window of `processId` whose title is `title`,
// polling until `timeout`; null when none appeared.
HWND WaitForWindow(DWORD processId, const std::wstring& title, std::chrono::milliseconds timeout);

// All top-level windows titled `title`, of any process.
int CountWindowsTitled(const std::wstring& title);

}  // namespace TestSupport
