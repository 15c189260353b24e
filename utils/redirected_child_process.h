#pragma once

// A child process started hidden with its standard handles redirected into
// three anonymous pipes. The record owns every handle: the pipe ends the
// parent keeps, and the process and its first thread. Destroying the record
// closes them; it does not end or wait for the child.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

#include "utils/unique_handle.h"

namespace Utils {

class RedirectedChildProcess {
public:
    // Command lines are copied into a buffer of this many characters,
    // terminating zero included.
    static constexpr size_t kCommandLineCapacity = 1024;
    // The most bytes handed on from one read of the output pipe.
    static constexpr DWORD kReadChunkBytes = 1024;

    using OutputSink = std::function<void(const char* data, size_t size)>;

    // Starts `commandLine` (program first) hidden, its output and error going
    // into pipes and its input coming from one. False when the command line
    // does not fit the buffer or a pipe or the process cannot be made; the
    // handles made so far are closed then.
    bool Start(const std::wstring& commandLine);

    // Hands everything the child writes on its standard output to `sink`,
    // in pieces of at most kReadChunkBytes, until the child has ended and
    // the output it left in the pipe has been taken. Standard error is read
    // too and dropped, so a child that writes much there never blocks.
    void ReadOutputUntilExit(const OutputSink& sink);

    // Waits without limit for the child to end; its exit code.
    DWORD WaitForExit();

private:
    struct Pipe {
        ScopedHandle read;
        ScopedHandle write;
    };

    // Closes every handle still open.
    void Close();
    bool CreatePipes();
    // Reads what `pipe` holds, up to kReadChunkBytes, into `sink`; the
    // number of bytes read, 0 when the pipe was empty or broken.
    static DWORD TakeAvailable(const Pipe& pipe, const OutputSink& sink);

    wchar_t commandLine_[kCommandLineCapacity] = {};
    Pipe input_;
    Pipe output_;
    Pipe error_;
    ScopedHandle process_;
    ScopedHandle thread_;
};

}  // namespace Utils
