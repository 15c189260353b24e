#pragma once

// Linux programs started from a Windows test process under Wine (the test
// servers, xdotool, ImageMagick). Wine runs them as native programs, but a
// Windows handle says nothing reliable about their end: callers learn that
// a program runs from a file it writes (a port file, a marker) and stop
// servers through a request.

#include <chrono>
#include <optional>
#include <string>

namespace TestSupport {

// Starts `commandLine` (a Unix program path first); false when it could not
// be started.
bool StartUnixProgram(const std::wstring& commandLine);

// The Unix path of a Windows path, as Wine maps it; empty when unknown.
std::string UnixPathOf(const std::wstring& windowsPath);

// The port a server wrote to `portFile` (a Windows path), polling until
// `timeout`; 0 when none appeared.
int WaitForPortFile(const std::wstring& portFile, std::chrono::milliseconds timeout);

// The body of a GET of http://127.0.0.1:<port><pathAndQuery> that answered
// 200, or nothing.
std::optional<std::string> LoopbackGet(int port, const std::string& pathAndQuery);

}  // namespace TestSupport
