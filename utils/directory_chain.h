#pragma once

#include <string>

namespace Utils {

// Creates every missing folder of `path` from the left ("C:\a\b\c" creates
// C:\a\, C:\a\b\ and C:\a\b\c). Paths longer than 260 characters fail at
// once. True when the whole chain exists afterwards.
bool CreateDirectoryChain(const std::wstring& path);

}  // namespace Utils
