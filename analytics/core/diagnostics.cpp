#include "analytics/core/diagnostics.h"

#include <windows.h>

#include <iostream>

namespace usage_analytics {

void ReportError(const std::string& message) {
    if (message.empty()) return;
    std::cerr << message << std::flush;
}

void ReportToDebugger(const std::string& text) { OutputDebugStringA(text.c_str()); }

}  // namespace usage_analytics
