#pragma once

// One HTTP connection fetching the whole file into "<destination>.part",
// resuming that file after an interrupted attempt and renaming it to the
// destination once the transfer is complete. The effective URL and the
// size found by the probes are kept, so later attempts skip the probes.

#include <curl/curl.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

#include "download/scoped_curl.h"

class CurlClient {
public:
    // Called with the transfer speed in bytes per second and the percentage
    // done, at most once a second.
    using ProgressHook = std::function<void(double bytesPerSecond, double percent)>;

    // Results of Start() besides libcurl's codes.
    static constexpr int kTooSmallOrUnknownSize = -998;
    static constexpr int kNoEasyHandle = -997;
    static constexpr int kPartFileUnavailable = -996;

    CurlClient(std::wstring url, std::wstring destination, ProgressHook progressHook);
    ~CurlClient();
    CurlClient(const CurlClient&) = delete;
    CurlClient& operator=(const CurlClient&) = delete;

    // One attempt: 0 on success, a libcurl result code or one of the
    // negative results above.
    int Start();

    // The destination, with ".part" appended when `part` is true.
    std::wstring PartPath(bool part) const;

    // Makes a running transfer end at its next progress notification.
    void Abort() { aborting_ = true; }

    const std::string& RealUrl() const { return realUrl_; }
    const std::wstring& LastErrorText() const { return lastErrorText_; }

private:
    // Probes for the effective URL and the size unless both are known.
    void Probe(const std::string& url);
    // Opens the part file and transfers into it; steps between the probes
    // and the final rename.
    int Transfer(const std::string& partPath);

    ScopedCurl Head(const std::string& url);
    double GetDownloadFileLength(CURL* head);
    std::string GetRealUrl_Str(const std::string& url);
    double GetDownloadFileLength_Str(const std::string& url);
    static int ProgressCallback(void* client, curl_off_t total, curl_off_t received,
                                curl_off_t uploadTotal, curl_off_t uploaded);

    std::wstring url_;
    std::wstring destination_;
    CURL* currentHandle_ = nullptr;
    ProgressHook progressHook_;
    double contentLength_ = -1.0;
    int64_t resumeOffset_ = -1;
    int64_t lastReportTime_ = 0;
    std::atomic<bool> aborting_{false};
    std::wstring lastErrorText_;
    std::string realUrl_;
};
