#pragma once

// The process-wide installer settings, read by every subsystem.
struct InstallerSettings {
    // Cleared by start-up when libcurl fails to initialise.
    bool transferLibraryReady = true;
};

InstallerSettings& Settings();
