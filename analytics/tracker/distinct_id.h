#pragma once

// Distinct ids: the device and user ids that every analytics record
// carries.

#include <windows.h>

#include <string>

namespace vorta::analytics {

// "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX" in upper-case hexadecimal.
std::string FormatDistinctId(const GUID& guid);

// A random identifier for when Windows gives no GUID: eight draws of a
// Mersenne Twister seeded with its default seed, once per process.
std::string FallbackDistinctId();

// A new GUID as a distinct id, or FallbackDistinctId() when ten attempts
// to create one fail.
std::string NewDistinctId();

}  // namespace vorta::analytics
