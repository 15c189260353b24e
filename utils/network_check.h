#pragma once

namespace Utils {

// Internet connectivity through the Network List Manager; the calling thread
// must have initialised COM. The result holds the connectivity flags in its
// low 16 bits and a status in its high 16 bits: 0 means the check was
// impossible, 65536 no connectivity, status 2 local connectivity without
// internet, and a non-zero value with status 0 a working connection.
int CheckNetwork();

}  // namespace Utils
