#pragma once

// Move-only owners for libcurl's easy handles and header lists.

#include <curl/curl.h>

#include "utils/unique_handle.h"

struct CurlEasyTraits {
    using Handle = CURL*;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { curl_easy_cleanup(handle); }
};

struct CurlListTraits {
    using Handle = curl_slist*;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { curl_slist_free_all(handle); }
};

using ScopedCurl = Utils::UniqueHandle<CurlEasyTraits>;
using ScopedCurlList = Utils::UniqueHandle<CurlListTraits>;

// Sets easy-handle options one after another and keeps the bitwise or of
// their results, so a failed option is noticed once all are set.
class CurlOptions {
public:
    explicit CurlOptions(CURL* curl) : curl_(curl) {}

    template <typename Value>
    CurlOptions& Set(CURLoption option, Value value) {
        result_ |= curl_easy_setopt(curl_, option, value);
        return *this;
    }

    int Result() const { return result_; }

private:
    CURL* curl_;
    int result_ = CURLE_OK;
};
