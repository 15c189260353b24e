#include "utils/redirected_child_process.h"

#include <algorithm>

#include "installer/src/diagnostic_log.h"

namespace Utils {
namespace {

// How long the reader waits for the child to end while neither pipe has
// anything; output that arrives meanwhile waits at most this long.
constexpr DWORD kIdleWaitMs = 15;

DWORD BytesAvailable(HANDLE pipe) {
    DWORD available = 0;
    if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) return 0;
    return available;
}

}  // namespace

bool RedirectedChildProcess::Start(const std::wstring& commandLine) {
    Close();
    if (commandLine.size() >= kCommandLineCapacity) {
        QLOG(L"Command line of %u characters does not fit: %s",
             static_cast<unsigned>(commandLine.size()), commandLine.c_str());
        return false;
    }
    if (!CreatePipes()) {
        QLOG(L"CreatePipe failed, error %lu", GetLastError());
        Close();
        return false;
    }
    commandLine.copy(commandLine_, commandLine.size());
    commandLine_[commandLine.size()] = L'\0';

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = input_.read.Get();
    startup.hStdOutput = output_.write.Get();
    startup.hStdError = error_.write.Get();
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine_, nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &info)) {
        QLOG(L"CreateProcess failed, error %lu: %s", GetLastError(), commandLine_);
        Close();
        return false;
    }
    process_.Reset(info.hProcess);
    thread_.Reset(info.hThread);
    // Only the child writes its output and reads its input now: once it
    // ends, its pipes are left to the parent alone.
    input_.read.Reset();
    output_.write.Reset();
    error_.write.Reset();
    return true;
}

bool RedirectedChildProcess::CreatePipes() {
    SECURITY_ATTRIBUTES inheritable{sizeof(inheritable), nullptr, TRUE};
    for (Pipe* pipe : {&input_, &output_, &error_}) {
        HANDLE read = nullptr;
        HANDLE write = nullptr;
        if (!CreatePipe(&read, &write, &inheritable, 0)) return false;
        pipe->read.Reset(read);
        pipe->write.Reset(write);
    }
    // The parent's ends stay in the parent.
    return SetHandleInformation(output_.read.Get(), HANDLE_FLAG_INHERIT, 0) &&
           SetHandleInformation(error_.read.Get(), HANDLE_FLAG_INHERIT, 0) &&
           SetHandleInformation(input_.write.Get(), HANDLE_FLAG_INHERIT, 0);
}

DWORD RedirectedChildProcess::TakeAvailable(const Pipe& pipe, const OutputSink& sink) {
    const DWORD available = BytesAvailable(pipe.read.Get());
    if (available == 0) return 0;
    char buffer[kReadChunkBytes];
    DWORD read = 0;
    if (!ReadFile(pipe.read.Get(), buffer, std::min(available, kReadChunkBytes), &read, nullptr)) {
        return 0;
    }
    if (read > 0) sink(buffer, read);
    return read;
}

void RedirectedChildProcess::ReadOutputUntilExit(const OutputSink& sink) {
    const OutputSink discard = [](const char*, size_t) {};
    // Only what is already in a pipe is read, so that no read blocks: the
    // child may end, or hand its pipe ends on to a process of its own,
    // without ever closing them.
    for (;;) {
        const DWORD taken = TakeAvailable(output_, sink) + TakeAvailable(error_, discard);
        if (taken > 0) continue;
        if (WaitForSingleObject(process_.Get(), kIdleWaitMs) != WAIT_TIMEOUT) break;
    }
    // What the child wrote just before it ended is still in the pipe. Take
    // that much and no more: a process it left behind may go on writing.
    DWORD left = BytesAvailable(output_.read.Get());
    while (left > 0) {
        const DWORD taken = TakeAvailable(output_, sink);
        if (taken == 0) break;
        left -= std::min(left, taken);
    }
}

DWORD RedirectedChildProcess::WaitForExit() {
    DWORD exitCode = 0;
    if (!process_) return exitCode;
    WaitForSingleObject(process_.Get(), INFINITE);
    GetExitCodeProcess(process_.Get(), &exitCode);
    return exitCode;
}

void RedirectedChildProcess::Close() {
    for (Pipe* pipe : {&input_, &output_, &error_}) {
        pipe->read.Reset();
        pipe->write.Reset();
    }
    process_.Reset();
    thread_.Reset();
}

}  // namespace Utils
