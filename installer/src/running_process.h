#pragma once

#include <string>

// Whether a process whose executable file name is exactly `exeName`
// (compared case-sensitively, as the system lists it) runs now.
bool IsProcessRunning(const std::wstring& exeName);
