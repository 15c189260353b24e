#include "download/curl_downloader.h"

#include <cstdio>

#include "download/curl_common.h"
#include "download/digest_check.h"
#include "download/download_rules.h"
#include "installer/src/diagnostic_log.h"
#include "utils/text_encoding.h"

namespace {

constexpr auto kPauseBetweenTries = std::chrono::milliseconds(500);

}  // namespace

CCurlDownloader::CCurlDownloader(DownloadCallback callback, std::wstring url,
                                 std::wstring destination)
    : callback_(std::move(callback)),
      destination_(std::move(destination)),
      url_(std::move(url)),
      client_(url_, destination_, [this](double bytesPerSecond, double percent) {
          ReportProgress(bytesPerSecond, percent);
      }) {
    if (!destination_.empty()) _wremove(client_.PartPath(true).c_str());
}

CCurlDownloader::~CCurlDownloader() {
    stop_.Raise();
    client_.Abort();
}

void CCurlDownloader::Start() {
    worker_.Launch([this] { dlThreadFun(); });
}

void CCurlDownloader::dlThreadFun() {
    if (stop_.Raised()) return;
    Report(DL_CODE_START, 1.0, L"");
    // Without a destination there is nothing to write: the attempt ends here.
    if (destination_.empty()) {
        Report(DL_CODE_FAIL, 1.0, L"");
        return;
    }

    int budget = kRetryBudget;
    int result = client_.Start();
    while (result != 0) {
        budget -= RetryCost(result);
        if (budget <= 0) {
            Report(DL_CODE_FAIL, result, DownloadText::kLibCurl);
            return;
        }
        QLOG(L"CurlDownLoader Code=%d", result);
        if (!stop_.SleepFor(kPauseBetweenTries)) return;
        result = client_.Start();
    }

    const std::string destination = Utils::ToAnsi(destination_);
    switch (CheckFileDigest(ExpectedMd5FromUrl(client_.RealUrl()), destination)) {
        case DigestCheck::NoUsableDigest:
            Report(DL_CODE_MD5, 0.0, DownloadText::kCurlNoUrlMd5);
            break;
        case DigestCheck::Differs:
            Report(DL_CODE_MD5, 0.0, DownloadText::kCurlMd5Mismatch);
            // A file that failed its check must not be mistaken for the package.
            remove(destination.c_str());
            if (!retried_) {
                retried_ = true;
                Report(DL_CODE_RETRY, 0.0, DownloadText::kLibCurl);
            } else {
                Report(DL_CODE_FAIL, 0.0, DownloadText::kLibCurl);
            }
            return;
        case DigestCheck::Matches:
            break;
    }
    Report(DL_CODE_SUCCESS, 0.0, DownloadText::kLibCurl);
}

void CCurlDownloader::ReportProgress(double bytesPerSecond, double percent) {
    if (bytesPerSecond > 0 && percent <= 100.0) Report(DL_CODE_PROGRESS, percent / 100.0, L"");
}

void CCurlDownloader::Report(int code, double value, const wchar_t* text) {
    // Once the owner is being destroyed nobody waits for reports.
    if (!stop_.Raised()) callback_(code, value, text);
}
