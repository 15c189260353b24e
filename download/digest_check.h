#pragma once

// Compares a downloaded file with the MD5 its URL carries.

#include <string>

enum class DigestCheck {
    NoUsableDigest,  // the URL carries no 32-character digest: nothing to compare
    Matches,
    Differs,  // includes a file that cannot be read: it cannot be shown to be right
};

// `expectedMd5` as taken from the effective URL; `ansiPath` is the file.
DigestCheck CheckFileDigest(const std::string& expectedMd5, const std::string& ansiPath);
