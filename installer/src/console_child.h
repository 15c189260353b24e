#pragma once

// Runs one child that speaks a console protocol: starts it hidden with its
// output redirected, feeds everything it prints to the parser until it has
// ended, and waits for it.

#include <windows.h>

#include <optional>
#include <string>

#include "installer/src/console_output_parser.h"

// The child's exit code, or nothing when it could not be started.
std::optional<DWORD> RunConsoleChild(const std::wstring& commandLine, ConsoleOutputParser& parser);
