#pragma once

#include <windows.h>

class CControl;

// What the paint manager hands a control: mouse and keyboard input routed to
// it, focus changes and its own timers.
enum class ControlEventType {
    MouseEnter,
    MouseLeave,
    MouseMove,
    ButtonDown,
    ButtonUp,
    KeyDown,
    Timer,
};

struct ControlEvent {
    ControlEventType type;
    POINT mouse{};      // client coordinates
    WPARAM wParam = 0;  // key code, character or timer id
    LPARAM lParam = 0;
    DWORD timestamp = 0;
};
