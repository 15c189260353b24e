#pragma once

// The two administrator checks the installer passes on to the setup package
// and the uninstaller ("-adminact" and "-authorizationact") and uses to
// choose the default install folder. Any failure answers false.

namespace Utils {

// Whether the user logged on at the active console session has the
// administrator privilege level. That user may differ from the one this
// process runs as, for example after elevating with another account.
bool ConsoleUserIsAdministrator();

// Whether this process's token is a member of the built-in Administrators
// group, that is, whether it runs elevated.
bool ProcessIsElevated();

}  // namespace Utils
