#include "download/mtcurl_downloader.h"

#include <sys/stat.h>

#include <cstdio>
#include <ctime>

#include "download/curl_common.h"
#include "download/digest_check.h"
#include "download/download_rules.h"
#include "download/segment_plan.h"
#include "installer/src/diagnostic_log.h"
#include "installer/src/installer_settings.h"
#include "utils/text_encoding.h"

namespace {

// Segment status besides 0 (complete) and libcurl's result codes.
constexpr int kPendingSegment = -1;
constexpr int kPartFileUnavailable = -2;

// Files below 256 bytes are refused.
constexpr int32_t kMinimumSize = 256;
constexpr auto kPauseBetweenTries = std::chrono::milliseconds(400);
constexpr auto kPauseBetweenSegmentStarts = std::chrono::milliseconds(100);
constexpr size_t kMergeBlockSize = 1024;

// The size of a part file left by an earlier attempt; 0 when there is none.
int32_t PartFileSize(const std::string& path) {
    struct _stat info;
    if (_stat(path.c_str(), &info) != 0 || info.st_size < 0) return 0;
    return static_cast<int32_t>(info.st_size);
}

bool AppendFile(FILE* target, const std::string& sourcePath) {
    ScopedCFile source = OpenBufferedStream(sourcePath, "rb+");
    if (!source) return false;
    char block[kMergeBlockSize];
    size_t read = 0;
    while ((read = fread(block, 1, sizeof(block), source.Get())) > 0) {
        if (fwrite(block, 1, read, target) != read) return false;
    }
    return !ferror(source.Get());
}

}  // namespace

CMTCurlDownloader::CMTCurlDownloader(DownloadCallback callback, std::wstring url,
                                     std::wstring destination)
    : callback_(std::move(callback)), destination_(std::move(destination)), url_(std::move(url)) {
    if (destination_.empty()) return;
    _wremove(destination_.c_str());
    DeletePartFiles();
}

CMTCurlDownloader::~CMTCurlDownloader() { stop_.Raise(); }

void CMTCurlDownloader::Start() {
    worker_.Launch([this] { Start_Down(); });
}

void CMTCurlDownloader::Start_Down() {
    if (stop_.Raised()) return;
    Report(DL_CODE_START, 1.0, L"");
    QLOG(L"start download");
    // Without a destination there is nothing to write: the attempt ends here.
    if (destination_.empty()) {
        Report(DL_CODE_FAIL, 1.0, L"");
        return;
    }
    const std::string destination = Utils::ToAnsi(destination_);
    const std::string url = UrlForCurl(url_);
    remove(destination.c_str());
    if (lastPercent_ == 0.0) DeletePartFiles();

    const bool probed = !realUrl_.empty() && contentLength_ >= kMinimumSize;
    if (!probed && !getRealDownloadUrl(url)) {
        Report(DL_CODE_FAIL, 0.0, DownloadText::kLibCurl);
        return;
    }
    BuildSegments();
    SegmentThreads segmentThreads;
    for (const auto& node : segments_) {
        if (node->status != kPendingSegment) continue;
        if (!segmentThreads.empty() && !stop_.SleepFor(kPauseBetweenSegmentStarts)) break;
        DownloadPartNode* segment = node.get();
        segmentThreads.push_back(std::make_unique<Utils::Thread>(
            [this, segment](void*) { downloadThreadFun(*segment); }, L"Segment"));
        segmentThreads.back()->Resume();
    }
    waitForFinishThreadFun(segmentThreads);
}

bool CMTCurlDownloader::getRealDownloadUrl(const std::string& url) {
    realUrl_.clear();
    expectedMd5_.clear();
    contentLength_ = 0;
    if (!Settings().transferLibraryReady) return false;
    ScopedCurl curl(curl_easy_init());
    if (!curl) return false;

    ScopedCurlList headers(curl_slist_append(nullptr, "Connection: keep-alive"));
    curl_easy_setopt(curl.Get(), CURLOPT_HTTPHEADER, headers.Get());
    CurlOptions options(curl.Get());
    options.Set(CURLOPT_URL, url.c_str())
        .Set(CURLOPT_FOLLOWLOCATION, 1L)
        .Set(CURLOPT_NOBODY, 1L)
        .Set(CURLOPT_SSL_VERIFYPEER, 0L)
        .Set(CURLOPT_SSL_VERIFYHOST, 0L)
        .Set(CURLOPT_WRITEFUNCTION, &DiscardBody)
        .Set(CURLOPT_CONNECTTIMEOUT, 60L);
    if (options.Result() != CURLE_OK || curl_easy_perform(curl.Get()) != CURLE_OK) return false;

    const std::string effectiveUrl = EffectiveUrl(curl.Get());
    if (!effectiveUrl.empty()) {
        realUrl_ = effectiveUrl;
        QLOG(L"Download File real url %s", Utils::FromUtf8(realUrl_).c_str());
        expectedMd5_ = ExpectedMd5FromUrl(realUrl_);
    }
    curl_off_t length = -1;
    long status = 0;
    if (curl_easy_getinfo(curl.Get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) == CURLE_OK &&
        curl_easy_getinfo(curl.Get(), CURLINFO_RESPONSE_CODE, &status) == CURLE_OK &&
        status >= 200 && status <= 399) {
        contentLength_ = ContentLengthFromProbe(length);
        QLOG(L"Download File Length %lld", static_cast<long long>(contentLength_));
    }
    return !realUrl_.empty() && contentLength_ >= kMinimumSize;
}

void CMTCurlDownloader::BuildSegments() {
    int index = 0;
    for (const SegmentRange& range : SplitIntoSegments(contentLength_)) {
        auto node = std::make_unique<DownloadPartNode>();
        node->url = realUrl_;
        node->partPath = PartPath(index++);
        const int32_t partSize = PartFileSize(node->partPath);
        node->received = partSize;
        node->nextPos = range.first + partSize;
        node->lastPos = range.last;
        node->curl.Reset(curl_easy_init());
        if (node->nextPos > node->lastPos) {
            node->status = 0;
        } else {
            node->file = OpenBufferedStream(node->partPath, "ab+");
            node->status = node->file ? kPendingSegment : kPartFileUnavailable;
        }
        segments_.push_back(std::move(node));
    }
}

void CMTCurlDownloader::downloadThreadFun(DownloadPartNode& node) {
    int budget = kRetryBudget;
    int result = downloadExe(node);
    while (result != 0 && budget > 0) {
        budget -= RetryCost(result);
        QLOG(L"CurlDownLoader Code=%d", result);
        if (!stop_.SleepFor(kPauseBetweenTries)) break;
        result = downloadExe(node);
    }
    node.file.Reset();
}

int CMTCurlDownloader::downloadExe(DownloadPartNode& node) {
    char range[32];
    snprintf(range, sizeof(range), "%ld-%ld", static_cast<long>(node.nextPos),
             static_cast<long>(node.lastPos));
    CurlOptions options(node.curl.Get());
    options.Set(CURLOPT_NOSIGNAL, 1L)
        .Set(CURLOPT_URL, node.url.c_str())
        .Set(CURLOPT_TIMEOUT, 0L)
        .Set(CURLOPT_FOLLOWLOCATION, 1L)
        .Set(CURLOPT_WRITEFUNCTION, &CMTCurlDownloader::WriteSegment)
        .Set(CURLOPT_WRITEDATA, &node)
        .Set(CURLOPT_NOPROGRESS, 0L)
        .Set(CURLOPT_XFERINFOFUNCTION, &CMTCurlDownloader::ProgressFunction)
        .Set(CURLOPT_XFERINFODATA, this)
        .Set(CURLOPT_FAILONERROR, 1L)
        .Set(CURLOPT_CONNECTTIMEOUT, 60L)
        .Set(CURLOPT_SSL_VERIFYPEER, 0L)
        .Set(CURLOPT_SSL_VERIFYHOST, 0L)
        .Set(CURLOPT_LOW_SPEED_LIMIT, 1L)
        .Set(CURLOPT_LOW_SPEED_TIME, 5L)
        .Set(CURLOPT_RANGE, range)
        .Set(CURLOPT_BUFFERSIZE, kReceiveBufferSize);
    if (options.Result() != CURLE_OK) return options.Result();

    const CURLcode code = curl_easy_perform(node.curl.Get());
    if (code != CURLE_OK) {
        QLOG(L"error:%d:%s", code, CurlErrorText(code).c_str());
    } else {
        QLOG(L"curl_easy_cleanup");
    }
    curl_easy_reset(node.curl.Get());
    // The segment is judged by its bytes: once all are on disk it is done,
    // even when the transfer then failed on surplus data the writer refused;
    // a transfer that ended cleanly but short is resumed like a broken one.
    int result = code;
    if (node.nextPos > node.lastPos) {
        result = 0;
    } else if (result == CURLE_OK) {
        result = CURLE_PARTIAL_FILE;
    }
    if (result == 0) node.file.Reset();
    node.status = result;
    return result;
}

size_t CMTCurlDownloader::WriteSegment(char* data, size_t size, size_t count, void* segment) {
    auto* node = static_cast<DownloadPartNode*>(segment);
    if (node == nullptr || !node->file) return 0;
    const size_t wanted = SegmentWriteLength(node->nextPos, node->lastPos, size * count);
    const size_t written = wanted > 0 ? fwrite(data, 1, wanted, node->file.Get()) : 0;
    node->nextPos += static_cast<int32_t>(written);
    node->received += static_cast<int64_t>(written);
    return written;
}

int CMTCurlDownloader::ProgressFunction(void* downloader, curl_off_t, curl_off_t, curl_off_t,
                                        curl_off_t) {
    auto* self = static_cast<CMTCurlDownloader*>(downloader);
    if (self->stop_.Raised()) return 1;
    self->ReportProgress();
    return 0;
}

void CMTCurlDownloader::ReportProgress() {
    const int64_t now = time(nullptr);
    int64_t lastReport = lastReportTime_;
    // One thread per second gets to report.
    if (now <= lastReport || !lastReportTime_.compare_exchange_strong(lastReport, now)) return;
    double percent = 0.0;
    if (contentLength_ >= kMinimumSize) {
        for (const auto& node : segments_) {
            const int64_t received = node->received;
            if (received > 0) percent += static_cast<double>(received) * 100.0 / contentLength_;
        }
    }
    if (percent > 100.0 || percent - lastPercent_ < 1.0) return;
    lastPercent_ = percent;
    Report(DL_CODE_PROGRESS, percent / 100.0, L"");
}

void CMTCurlDownloader::waitForFinishThreadFun(SegmentThreads& segmentThreads) {
    segmentThreads.clear();  // each thread object waits for its thread
    if (stop_.Raised()) {
        segments_.clear();
        return;
    }
    int firstFailure = 0;
    for (const auto& node : segments_) {
        if (node->status != 0) {
            firstFailure = node->status;
            break;
        }
    }
    if (firstFailure != 0) {
        FinishFailedAttempt(firstFailure);
        return;
    }

    lastPercent_ = 0.0;
    const std::string destination = Utils::ToAnsi(destination_);
    if (!MergeIntoDestination(destination)) {
        FinishFailedAttempt(kPartFileUnavailable);
        return;
    }
    for (size_t i = 1; i < segments_.size(); ++i) {
        QLOG(L"partPath::%s", Utils::FromAnsi(segments_[i]->partPath).c_str());
    }
    switch (CheckFileDigest(expectedMd5_, destination)) {
        case DigestCheck::NoUsableDigest:
            Report(DL_CODE_MD5, 0.0, DownloadText::kMtCurlNoUrlMd5);
            break;
        case DigestCheck::Differs:
            Report(DL_CODE_MD5, 0.0, DownloadText::kMtCurlMd5Mismatch);
            remove(destination.c_str());
            segments_.clear();
            if (!retried_) {
                retried_ = true;
                QLOG(L"finish recv, md5 chaek failed retry once.");
                Report(DL_CODE_RETRY, 0.0, DownloadText::kLibCurl);
            } else {
                QLOG(L"finish recv, md5 chaek failed and retry failed.");
                Report(DL_CODE_FAIL, 0.0, DownloadText::kLibCurl);
            }
            return;
        case DigestCheck::Matches:
            break;
    }
    QLOG(L"finish recv");
    segments_.clear();
    Report(DL_CODE_SUCCESS, 0.0, DownloadText::kLibCurl);
}

bool CMTCurlDownloader::MergeIntoDestination(const std::string& destination) {
    const std::string& firstPart = segments_.front()->partPath;
    {
        ScopedCFile merged = OpenBufferedStream(firstPart, "ab+");
        if (!merged) return false;
        for (size_t i = 1; i < segments_.size(); ++i) {
            if (!AppendFile(merged.Get(), segments_[i]->partPath)) return false;
        }
        if (fclose(merged.Release()) != 0) return false;
    }
    const bool renamed = rename(firstPart.c_str(), destination.c_str()) == 0;
    if (renamed) DeletePartFiles();
    return renamed;
}

void CMTCurlDownloader::FinishFailedAttempt(int error) {
    segments_.clear();
    // Part files are worth resuming only when data arrived.
    if (lastPercent_ == 0.0) DeletePartFiles();
    if (!retried_) {
        retried_ = true;
        Report(DL_CODE_RETRY, error, DownloadText::kLibCurl);
    } else {
        lastPercent_ = 0.0;
        Report(DL_CODE_FAIL, error, DownloadText::kLibCurl);
    }
}

std::string CMTCurlDownloader::PartPath(int index) const {
    return Utils::ToAnsi(destination_) + "_" + std::to_string(index);
}

void CMTCurlDownloader::DeletePartFiles() const {
    remove(PartPath(0).c_str());
    remove(PartPath(1).c_str());
}

void CMTCurlDownloader::Report(int code, double value, const wchar_t* text) {
    // Once the owner is being destroyed nobody waits for reports.
    if (!stop_.Raised()) callback_(code, value, text);
}
