#include "download/download_rules.h"

#include <cstdio>

#include "utils/text_encoding.h"

namespace {

bool IsFileUrl(const std::wstring& url) { return url.compare(0, 8, L"file:///") == 0; }

}  // namespace

std::string UrlForCurl(const std::wstring& url) {
    return IsFileUrl(url) ? Utils::ToAnsi(url) : Utils::ToUtf8(url);
}

std::string ExpectedMd5FromUrl(const std::string& effectiveUrl) {
    const size_t fileSlash = effectiveUrl.rfind('/');
    if (fileSlash == std::string::npos || fileSlash == 0) return {};
    const size_t folderSlash = effectiveUrl.rfind('/', fileSlash - 1);
    if (folderSlash == std::string::npos) return {};
    return effectiveUrl.substr(folderSlash + 1, fileSlash - folderSlash - 1);
}

bool IsUsableMd5(const std::string& md5) { return md5.size() == 32; }

std::wstring UrlForSystemDownload(const std::wstring& url) {
    if (IsFileUrl(url)) return url;
    std::string escaped;
    for (const unsigned char byte : Utils::ToUtf8(url)) {
        if (byte >= 33 && byte <= 126) {
            escaped += static_cast<char>(byte);
        } else if (byte == ' ') {
            escaped += '+';
        } else {
            char hex[4];
            snprintf(hex, sizeof(hex), "%%%02X", byte);
            escaped += hex;
        }
    }
    return Utils::FromUtf8(escaped);
}
