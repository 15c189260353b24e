#pragma once

// Registers the last-chance handler for unhandled exceptions: it reports the
// crash to analytics and lets the system's default handling end the process.
void InstallCrashFilter();
