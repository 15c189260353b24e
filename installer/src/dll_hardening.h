#pragma once

// Takes the current directory and the executable's folder out of the DLL
// search order and pins the system libraries that later loads could pick up
// from beside the executable. Failures are ignored.
void HardenDllSearch();
