#pragma once

#include <string>

namespace vorta::analytics {

// The collector a tracker posts to when its configuration names none.
// Defined alone in its source file, so that a test build of the installer
// can link its own definition in place of this one and reach a loopback
// collector; the shipped installer always uses the built-in collector.
std::string DefaultServerUrl();

}  // namespace vorta::analytics
