#pragma once

#include <windows.h>

#include <string>

#include "utils/install_registry.h"

namespace TestSupport {

// Clears the installation's registry key before and after a test, so that
// every test starts as on a machine without an installation.
class CleanInstallRegistry {
public:
    CleanInstallRegistry() { Clear(); }
    ~CleanInstallRegistry() { Clear(); }

    static void Clear() { RegDeleteKeyW(HKEY_CURRENT_USER, Utils::kInstallRegistryKey); }
};

}  // namespace TestSupport
