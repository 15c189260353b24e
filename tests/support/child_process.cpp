#include "tests/support/child_process.h"

#include <vector>

#include "tests/support/wait.h"

namespace TestSupport {

ChildProcess::ChildProcess(const std::wstring& commandLine) {
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
        process_.Reset(info.hProcess);
        CloseHandle(info.hThread);
        processId_ = info.dwProcessId;
    }
}

ChildProcess::~ChildProcess() {
    if (process_ && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.Get(), 1);
        WaitForSingleObject(process_.Get(), 5000);
    }
}

std::optional<DWORD> ChildProcess::Wait(std::chrono::milliseconds timeout) {
    if (!process_) return std::nullopt;
    if (WaitForSingleObject(process_.Get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return code;
}

namespace {

struct WindowQuery {
    DWORD processId;  // 0: any process
    std::wstring title;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto* query = reinterpret_cast<WindowQuery*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (query->processId != 0 && owner != query->processId) return TRUE;
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (query->title == title) query->found.push_back(window);
    return TRUE;
}

std::vector<HWND> FindWindows(DWORD processId, const std::wstring& title) {
    WindowQuery query{processId, title, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

}  // namespace

HWND WaitForWindow(DWORD processId, const std::wstring& title, std::chrono::milliseconds timeout) {
    HWND result = nullptr;
    WaitUntil(
        [&] {
            for (HWND window : FindWindows(processId, title)) {
                if (IsWindowVisible(window)) {
                    result = window;
                    return true;
                }
            }
            return false;
        },
        timeout);
    return result;
}

int CountWindowsTitled(const std::wstring& title) {
    return static_cast<int>(FindWindows(0, title).size());
}

}  // namespace TestSupport
