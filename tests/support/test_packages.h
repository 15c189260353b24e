#pragma once

// The programs built in tests/packages, as Windows paths. A test that runs
// them links the CMake target quillora_test_packages, which builds them first.

#include <string>

#include "tests/support/test_paths.h"

namespace TestSupport {

inline std::wstring TestPackagesDir() { return BuildDir() + L"\\tests\\packages"; }

// The NSIS setup package: installs Quillora.exe, readme.txt, uninst.exe and
// uninst.ep into its folder and speaks the console protocol; see
// tests/packages/setup_package/quillora_setup.nsi for its switches.
inline std::wstring SetupPackageExe() { return TestPackagesDir() + L"\\QuilloraSetup.exe"; }

// The product the package installs: a window titled "Quillora" that writes
// "Quillora.started" beside itself when started.
inline std::wstring ProductExe() { return TestPackagesDir() + L"\\Quillora.exe"; }

// A console program that plays a misbehaving package; its scenario comes
// from "-scenario=NAME" or from its own file name.
inline std::wstring FakePackageExe() { return TestPackagesDir() + L"\\fake_package.exe"; }

}  // namespace TestSupport
