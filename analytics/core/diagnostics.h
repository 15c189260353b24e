#pragma once

// Where the SDK core reports problems. Its messages go to the standard error
// stream and, for failed sends, to the debug-output channel; they are the
// SDK's own and stay out of the installer's diagnostic log.

#include <string>

namespace usage_analytics {

// Writes `message` to the standard error stream as it is (messages carry
// their own line ends where they have one). Empty messages are skipped.
void ReportError(const std::string& message);

// Writes `text` to the debug-output channel.
void ReportToDebugger(const std::string& text);

}  // namespace usage_analytics
