#include "download/curl_common.h"

#include "utils/text_encoding.h"

int RetryCost(int result) { return result == CURLE_PARTIAL_FILE ? 1 : 2; }

size_t DiscardBody(char*, size_t size, size_t count, void*) { return size * count; }

std::string EffectiveUrl(CURL* curl) {
    char* url = nullptr;
    if (curl_easy_getinfo(curl, CURLINFO_EFFECTIVE_URL, &url) != CURLE_OK || url == nullptr) {
        return {};
    }
    return url;
}

std::wstring CurlErrorText(int code) {
    return Utils::FromAnsi(curl_easy_strerror(static_cast<CURLcode>(code)));
}
