#include "download/digest_check.h"

#include "download/download_rules.h"
#include "utils/file_md5.h"

DigestCheck CheckFileDigest(const std::string& expectedMd5, const std::string& ansiPath) {
    if (!IsUsableMd5(expectedMd5)) return DigestCheck::NoUsableDigest;
    return Utils::FileMd5(ansiPath) == expectedMd5 ? DigestCheck::Matches : DigestCheck::Differs;
}
