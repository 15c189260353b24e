#pragma once

#include <windows.h>

namespace Utils {

// Measures seconds from Start() with the system tick count.
struct Stopwatch {
    bool started = false;
    DWORD startTick = 0;

    void Start() {
        started = true;
        startTick = GetTickCount();
    }

    // Seconds since Start(); 0 when not started.
    float ElapsedSeconds() const {
        return started ? static_cast<float>(GetTickCount() - startTick) / 1000.0f : 0.0f;
    }
};

}  // namespace Utils
