#pragma once

// A real earlier installation for the window and end-to-end tests: the test
// setup package installed silently into a folder and registered as the
// installer registers one, and the product program it leaves there.

#include <string>

namespace WindowTest {

// Runs the test setup package silently into `folder`; true once the product
// and its uninstaller marker are there.
bool InstallPackageInto(const std::wstring& folder);

// Registers `folder` with its "uninst.ep" as the installed product.
bool RegisterInstallation(const std::wstring& folder);

// Whether the product in `folder` was started (it leaves "Quillora.started").
bool ProductStartedIn(const std::wstring& folder);

// The registered installation's value `name`; empty when it is missing.
std::wstring RegistryText(const wchar_t* name);

// A value of an INI file such as "set.ini"; empty when it is missing.
std::wstring IniText(const std::wstring& file, const wchar_t* section, const wchar_t* key);

// Closes every running product window and waits until no "Quillora.exe"
// runs any more.
bool CloseRunningProducts();

}  // namespace WindowTest
