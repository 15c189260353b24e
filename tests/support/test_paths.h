#pragma once

#include <string>

namespace TestSupport {

// Folders of the source tree and of this build, as Windows paths (Wine maps
// the Unix root to drive Z:), without a trailing backslash.
std::wstring SourceDir();
std::wstring BuildDir();

// A Unix path as Wine sees it: "/a/b" gives "Z:\a\b".
std::wstring WindowsPathOf(const std::string& unixPath);

// The installer executable of this build.
std::wstring InstallerExe();

}  // namespace TestSupport
