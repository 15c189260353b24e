#pragma once

// The one analytics tracker of the process, through which every funnel
// report goes. Start-up installs it and shutdown releases it; any thread may
// read it meanwhile.

#include <memory>

#include "analytics/tracker/usage_tracker.h"

// The installed tracker, or null. The copy keeps the tracker alive for the
// caller's report even when shutdown releases it meanwhile.
std::shared_ptr<vorta::analytics::UsageTracker> GlobalTracker();

void InstallGlobalTracker(std::shared_ptr<vorta::analytics::UsageTracker> tracker);

// Drops the process's reference; the tracker sends what is pending when the
// last reference goes.
void ReleaseGlobalTracker();
