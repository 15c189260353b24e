#pragma once

#include <string>

namespace Utils {

// A new GUID as 32 hexadecimal digits without braces or hyphens, uppercase
// except the third group, which is lowercase.
std::wstring NewGuidText();

}  // namespace Utils
