#pragma once

#include <string>

namespace Utils {

// MD5 of a file as 32 lowercase hexadecimal digits; empty when the file
// cannot be opened. The path is in the ANSI code page.
std::string FileMd5(const std::string& ansiPath);

}  // namespace Utils
