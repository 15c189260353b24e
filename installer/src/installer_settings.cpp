#include "installer/src/installer_settings.h"

InstallerSettings& Settings() {
    static InstallerSettings settings;
    return settings;
}
