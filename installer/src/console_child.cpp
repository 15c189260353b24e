#include "installer/src/console_child.h"

#include "installer/src/diagnostic_log.h"
#include "utils/redirected_child_process.h"

std::optional<DWORD> RunConsoleChild(const std::wstring& commandLine, ConsoleOutputParser& parser) {
    QLOG(L"Starting %s", commandLine.c_str());
    Utils::RedirectedChildProcess child;
    if (!child.Start(commandLine)) return std::nullopt;
    child.ReadOutputUntilExit([&](const char* data, size_t size) { parser.Feed(data, size); });
    parser.Finish();
    const DWORD exitCode = child.WaitForExit();
    QLOG(L"Child ended with exit code %lu", exitCode);
    return exitCode;
}
