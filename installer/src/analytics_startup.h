#pragma once

// Starts usage analytics for the installer.

#include "analytics/tracker/usage_tracker.h"
#include "installer/src/installer_settings.h"

// The tracker's configuration: the installer's identity from the settings.
vorta::analytics::UsageTrackerConfig TrackerConfigFrom(const InstallerSettings& settings);

// Creates the tracker from the current settings and installs it as the
// global tracker. A tracker whose init fails is installed all the same: it
// sends whatever its partial set-up allows.
void StartAnalytics();
