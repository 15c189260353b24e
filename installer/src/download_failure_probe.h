#pragma once

// Measures what a download failure report tells about the machine: write
// permission where the package goes, free space on its drive and internet
// connectivity.

#include <string>

namespace Funnel {

// Whether the package can be written at `packagePath`: an existing package
// that cannot be deleted, or a file that cannot be created there, gives
// kNotWritable. The probe file it creates is deleted again.
std::wstring ProbeWritePermission(const std::wstring& packagePath);

// Free space on the drive of `packagePath` in GiB (2^30 bytes); 0 when the
// system cannot tell.
double FreeGigabytesOnDrive(const std::wstring& packagePath);

// The reason text of a download failure (the event's value as an integer
// code, and its text) for the package at `packagePath`, measured now. Runs on the caller's thread;
// the connectivity check may take a moment.
std::wstring DescribeDownloadFailure(const std::wstring& packagePath, long eventCode,
                                     const std::wstring& eventText);

}  // namespace Funnel
