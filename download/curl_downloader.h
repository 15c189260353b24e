#pragma once

// The single-connection downloader (the default strategy): drives a
// CurlClient through its retry budget, reports progress, and checks the
// file against the MD5 carried by the effective URL.

#include <string>

#include "download/curl_client.h"
#include "download/downloader.h"
#include "download/stop_signal.h"
#include "download/worker_chain.h"

class CCurlDownloader : public CDownloader {
public:
    CCurlDownloader(DownloadCallback callback, std::wstring url, std::wstring destination);
    ~CCurlDownloader() override;

    void Start() override;

private:
    void dlThreadFun();
    // The client's progress hook.
    void ReportProgress(double bytesPerSecond, double percent);
    void Report(int code, double value, const wchar_t* text);

    DownloadCallback callback_;
    std::wstring destination_;
    std::wstring url_;
    CurlClient client_;
    bool retried_ = false;
    StopSignal stop_;
    // Last: its destructor waits for the worker, which uses all of the above.
    WorkerChain worker_;
};
