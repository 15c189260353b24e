#include "installer/src/console_child.h"

#include <vector>

#include "installer/src/diagnostic_log.h"
#include "installer/src/runner_events.h"
#include "utils/redirected_child_process.h"

namespace {

// The child's exit code, or nothing when it could not be started.
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

}  // namespace

ConsoleChildOutcome RunProtocolChild(const std::wstring& commandLine, const ProtocolTable& table,
                                     const ConsoleOutputParser::EventSink& report) {
    std::vector<ConsoleEvent> verdicts;
    ConsoleOutputParser parser(table, [&](const ConsoleEvent& event) {
        if (RunnerEvent::IsVerdict(event.code)) {
            verdicts.push_back(event);
        } else {
            report(event);
        }
    });
    ConsoleChildOutcome outcome;
    outcome.exitCode = RunConsoleChild(commandLine, parser);
    for (const ConsoleEvent& verdict : verdicts) report(verdict);
    outcome.gaveVerdict = parser.GaveVerdict();
    outcome.version = parser.Protocol().Version();
    return outcome;
}
