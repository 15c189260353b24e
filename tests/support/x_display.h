#pragma once

// The X display that Wine draws on, seen from a test: real mouse and
// keyboard input through xdotool (Wine receives it as a user's input) and
// screenshots through ImageMagick's import. Each call runs the Linux
// program from this Windows process and waits (bounded) until it has done
// its work; what the input causes in a window still arrives asynchronously.

#include <windows.h>

#include <chrono>
#include <string>

namespace TestSupport {

// Runs `shellCommand` with /bin/sh and waits until it has ended; true when
// it ended within `timeout` with exit status 0.
bool RunUnixCommand(const std::string& shellCommand,
                    std::chrono::milliseconds timeout = std::chrono::seconds(15));

// A left click at a screen point.
bool ClickAt(POINT screenPoint);

// Keys in xdotool's syntax, for example "alt+F4" or "Escape".
bool PressKeys(const std::string& keys);

// Types `text` (ASCII) into the focused control.
bool TypeText(const std::string& text);

// Saves the display as "<build folder>/screenshots/<name>.png" and returns
// the file's Windows path (empty on failure). With `area` (screen
// coordinates) only that part is kept.
std::wstring SaveScreenshot(const std::string& name, const RECT* area = nullptr);

}  // namespace TestSupport
