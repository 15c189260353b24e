#pragma once

// Whether the latest POST to the collector was answered with status 200.
// False at process start. The sender writes it after every POST; the
// tracker reads it to choose where its next flush runs.

namespace usage_analytics {

bool LastSendOk();
void SetLastSendOk(bool ok);

}  // namespace usage_analytics
