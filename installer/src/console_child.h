#pragma once

// Runs one child that speaks a console protocol: starts it hidden with its
// output redirected, parses everything it prints until it has ended, and
// waits for it.

#include <windows.h>

#include <optional>
#include <string>

#include "installer/src/console_output_parser.h"

// How the child's run ended.
struct ConsoleChildOutcome {
    std::optional<DWORD> exitCode;  // nothing when the child could not be started
    bool gaveVerdict = false;       // whether it printed a success or failure line
    InstalledVersion version;       // what its version lines said
};

// Runs the child with a parser for `table`. Its events go to `report` as
// they come, but its verdicts only once it has ended: the owner may answer a
// verdict by deleting the child's program, which fails while it still runs.
ConsoleChildOutcome RunProtocolChild(const std::wstring& commandLine, const ProtocolTable& table,
                                     const ConsoleOutputParser::EventSink& report);
