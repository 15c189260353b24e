#pragma once

// The segmented downloader (download type 3): one probe for the effective
// URL and the size, then one or two byte ranges fetched in parallel into
// part files ("<destination>_0", "<destination>_1"), appended into one,
// renamed to the destination and checked against the MD5 in the URL. Part
// files that hold data survive a failed attempt and are resumed.

#include <curl/curl.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "download/downloader.h"
#include "download/scoped_c_file.h"
#include "download/scoped_curl.h"
#include "download/stop_signal.h"
#include "download/worker_chain.h"
#include "utils/thread.h"

class CMTCurlDownloader : public CDownloader {
public:
    CMTCurlDownloader(DownloadCallback callback, std::wstring url, std::wstring destination);
    ~CMTCurlDownloader() override;

    void Start() override;

private:
    // One segment: its range, part file and connection. Only its own thread
    // touches it while it runs, except `received`, which the shared progress
    // function reads.
    struct DownloadPartNode {
        ScopedCFile file;
        int32_t nextPos = 0;  // the next byte to fetch, as an offset in the whole file
        int32_t lastPos = 0;  // the segment's last byte, inclusive
        ScopedCurl curl;
        std::string url;
        std::string partPath;
        // -1 pending, -2 part file unavailable, 0 complete, otherwise the
        // libcurl result of the last try.
        int status = -1;
        std::atomic<int64_t> received{0};
    };
    using SegmentThreads = std::vector<std::unique_ptr<Utils::Thread>>;

    void Start_Down();
    bool getRealDownloadUrl(const std::string& url);
    void BuildSegments();
    void downloadThreadFun(DownloadPartNode& node);
    int downloadExe(DownloadPartNode& node);
    void waitForFinishThreadFun(SegmentThreads& segmentThreads);
    // Appends the part files into part file 0 and renames it to the
    // destination; false when any step failed.
    bool MergeIntoDestination(const std::string& destination);
    void FinishFailedAttempt(int error);

    static size_t WriteSegment(char* data, size_t size, size_t count, void* node);
    static int ProgressFunction(void* downloader, curl_off_t, curl_off_t, curl_off_t, curl_off_t);
    void ReportProgress();

    std::string PartPath(int index) const;
    void DeletePartFiles() const;
    void Report(int code, double value, const wchar_t* text);

    std::vector<std::unique_ptr<DownloadPartNode>> segments_;
    DownloadCallback callback_;
    std::wstring destination_;
    std::wstring url_;
    std::string realUrl_;
    int32_t contentLength_ = -1;
    std::string expectedMd5_;
    // Also tells whether data arrived in this attempt (not 0.0).
    std::atomic<double> lastPercent_{0.0};
    std::atomic<int64_t> lastReportTime_{0};
    bool retried_ = false;
    StopSignal stop_;
    // Last: its destructor waits for the worker, which uses all of the above.
    WorkerChain worker_;
};
