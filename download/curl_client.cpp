#include "download/curl_client.h"

#include <io.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "download/curl_common.h"
#include "download/download_rules.h"
#include "download/scoped_c_file.h"
#include "installer/src/diagnostic_log.h"
#include "installer/src/funnel_events.h"
#include "utils/text_encoding.h"

namespace {

// Files below 1 MiB are refused; so is a file whose size is unknown.
constexpr double kMinimumSize = 1048576.0;

size_t AppendToFile(char* data, size_t size, size_t count, void* file) {
    return fwrite(data, size, count, static_cast<FILE*>(file)) * size;
}

int64_t FileSize(FILE* file) {
    fflush(file);
    return _filelengthi64(_fileno(file));
}

enum class Redirects { Follow, Keep };

// A handle for a probe: a HEAD request whose answer is dropped.
ScopedCurl NewHeadRequest(const std::string& url, Redirects redirects) {
    ScopedCurl curl(curl_easy_init());
    if (!curl) return curl;
    curl_easy_setopt(curl.Get(), CURLOPT_URL, url.c_str());
    if (redirects == Redirects::Follow) curl_easy_setopt(curl.Get(), CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl.Get(), CURLOPT_NOBODY, 1L);
    curl_easy_setopt(curl.Get(), CURLOPT_WRITEFUNCTION, &DiscardBody);
    curl_easy_setopt(curl.Get(), CURLOPT_CONNECTTIMEOUT, 60L);
    return curl;
}

// Tells analytics why the size of the file could not be learnt.
void ReportSizeQueryFailure(long status) {
    wchar_t reason[200];
    swprintf(reason, 200, L"1.获取文件大小的状态码为=%ld；", status);
    Funnel::ReportTask(L"下载失败原因", 0.0f, reason, {{L"AB", L"IN"}});
}

}  // namespace

CurlClient::CurlClient(std::wstring url, std::wstring destination, ProgressHook progressHook)
    : url_(std::move(url)),
      destination_(std::move(destination)),
      progressHook_(std::move(progressHook)) {}

CurlClient::~CurlClient() {
    aborting_ = true;
    if (!destination_.empty()) _wremove(PartPath(true).c_str());
}

std::wstring CurlClient::PartPath(bool part) const {
    return part ? destination_ + L".part" : destination_;
}

int CurlClient::Start() {
    QLOG(L"start download");
    const std::string partPath = Utils::ToAnsi(PartPath(true));
    const std::string destination = Utils::ToAnsi(PartPath(false));
    Probe(UrlForCurl(url_));
    int result = contentLength_ < kMinimumSize ? kTooSmallOrUnknownSize : Transfer(partPath);
    QLOG(L"error:%d:%s", result, CurlErrorText(result).c_str());
    if (result == CURLE_OK) {
        remove(destination.c_str());
        // A destination that cannot be replaced leaves the download unusable.
        if (rename(partPath.c_str(), destination.c_str()) != 0) result = CURLE_WRITE_ERROR;
    }
    QLOG(L"end download");
    return result;
}

void CurlClient::Probe(const std::string& url) {
    if (realUrl_.empty() || contentLength_ < kMinimumSize) {
        ScopedCurl head = Head(url);
        realUrl_ = head ? EffectiveUrl(head.Get()) : std::string();
        contentLength_ = GetDownloadFileLength(head.Get());
    }
    if (realUrl_.empty() || contentLength_ < kMinimumSize) {
        realUrl_ = GetRealUrl_Str(url);
        if (!realUrl_.empty()) contentLength_ = GetDownloadFileLength_Str(realUrl_);
    }
}

int CurlClient::Transfer(const std::string& partPath) {
    ScopedCurl curl(curl_easy_init());
    if (!curl) return kNoEasyHandle;
    ScopedCFile part = OpenBufferedStream(partPath, "ab+");
    if (!part) {
        lastErrorText_ = _wcserror(errno);
        return kPartFileUnavailable;
    }

    curl_slist* headerList = curl_slist_append(nullptr, "Connection: keep-alive");
    if (curl_slist* longer = curl_slist_append(headerList, "Accept-Encoding: gzip, deflate")) {
        headerList = longer;
    }
    ScopedCurlList headers(headerList);
    curl_easy_setopt(curl.Get(), CURLOPT_HTTPHEADER, headers.Get());
    curl_easy_setopt(curl.Get(), CURLOPT_TCP_KEEPALIVE, 1L);
    curl_easy_setopt(curl.Get(), CURLOPT_TCP_KEEPIDLE, 10L);
    curl_easy_setopt(curl.Get(), CURLOPT_TCP_KEEPINTVL, 10L);
    CurlOptions options(curl.Get());
    options.Set(CURLOPT_TIMEOUT, 0L)
        .Set(CURLOPT_URL, realUrl_.c_str())
        .Set(CURLOPT_FOLLOWLOCATION, 1L)
        .Set(CURLOPT_WRITEFUNCTION, &AppendToFile)
        .Set(CURLOPT_WRITEDATA, part.Get())
        .Set(CURLOPT_NOPROGRESS, 0L)
        .Set(CURLOPT_XFERINFOFUNCTION, &CurlClient::ProgressCallback)
        .Set(CURLOPT_XFERINFODATA, this)
        .Set(CURLOPT_FAILONERROR, 1L)
        .Set(CURLOPT_CONNECTTIMEOUT, 60L)
        .Set(CURLOPT_BUFFERSIZE, kReceiveBufferSize);
    if (options.Result() != CURLE_OK) return options.Result();

    resumeOffset_ = FileSize(part.Get());
    // Every byte is there already; only the rename to the destination failed.
    if (resumeOffset_ >= contentLength_) return CURLE_OK;
    if (resumeOffset_ > 0) {
        curl_easy_setopt(curl.Get(), CURLOPT_RESUME_FROM_LARGE,
                         static_cast<curl_off_t>(resumeOffset_));
    }
    currentHandle_ = curl.Get();
    int result = curl_easy_perform(curl.Get());
    currentHandle_ = nullptr;
    // A body that ended cleanly but short (the server announced less than
    // the file holds) is resumed like a broken connection.
    if (result == CURLE_OK && FileSize(part.Get()) < contentLength_) result = CURLE_PARTIAL_FILE;
    return result;
}

ScopedCurl CurlClient::Head(const std::string& url) {
    ScopedCurl curl = NewHeadRequest(url, Redirects::Follow);
    if (!curl) return curl;
    const CURLcode result = curl_easy_perform(curl.Get());
    QLOG(L"error:%d:%s", result, CurlErrorText(result).c_str());
    return curl;
}

double CurlClient::GetDownloadFileLength(CURL* head) {
    curl_off_t length = -1;
    const CURLcode lengthRead =
        curl_easy_getinfo(head, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
    QLOG(L"error:%d:%s", lengthRead, CurlErrorText(lengthRead).c_str());
    if (lengthRead != CURLE_OK) length = -1;
    long status = 0;
    if (curl_easy_getinfo(head, CURLINFO_RESPONSE_CODE, &status) == CURLE_OK && status >= 200 &&
        status <= 399) {
        return static_cast<double>(length);
    }
    ReportSizeQueryFailure(status);
    return -1.0;
}

std::string CurlClient::GetRealUrl_Str(const std::string& url) {
    std::string effective;
    if (ScopedCurl curl = NewHeadRequest(url, Redirects::Follow)) {
        const CURLcode result = curl_easy_perform(curl.Get());
        if (result == CURLE_OK) {
            effective = EffectiveUrl(curl.Get());
        } else {
            QLOG(L"error:%d:%s", result, CurlErrorText(result).c_str());
        }
    }
    return effective.empty() ? url : effective;
}

double CurlClient::GetDownloadFileLength_Str(const std::string& url) {
    ScopedCurl curl = NewHeadRequest(url, Redirects::Keep);
    if (!curl) return -1.0;
    curl_easy_setopt(curl.Get(), CURLOPT_HEADER, 1L);
    curl_easy_perform(curl.Get());
    curl_off_t length = -1;
    if (curl_easy_getinfo(curl.Get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK) {
        length = -1;
    }
    long status = 0;
    const CURLcode statusRead = curl_easy_getinfo(curl.Get(), CURLINFO_RESPONSE_CODE, &status);
    if (statusRead != CURLE_OK || status < 200 || status > 400) ReportSizeQueryFailure(status);
    QLOG(L"error:%d:%s", statusRead, CurlErrorText(statusRead).c_str());
    return static_cast<double>(length);
}

int CurlClient::ProgressCallback(void* client, curl_off_t total, curl_off_t received, curl_off_t,
                                 curl_off_t) {
    auto* self = static_cast<CurlClient*>(client);
    if (self->aborting_) return 1;
    const int64_t now = time(nullptr);
    if (now <= self->lastReportTime_) return 0;
    self->lastReportTime_ = now;

    curl_off_t speed = 0;
    curl_easy_getinfo(self->currentHandle_, CURLINFO_SPEED_DOWNLOAD_T, &speed);
    double percent = 0.0;
    if (self->contentLength_ > kMinimumSize) {
        const int64_t resumed = self->resumeOffset_ > 0 ? self->resumeOffset_ : 0;
        percent = static_cast<double>(received + resumed) / self->contentLength_ * 100.0;
    } else {
        if (received <= 0 || total <= 0) return 0;
        percent = static_cast<double>(received) * 100.0 / static_cast<double>(total);
    }
    if (percent == 0.0) return 0;
    self->progressHook_(static_cast<double>(speed), percent);
    if (total != 0) {
        QLOG(L" %dM %dM   progress:%f%%  speed:%f \n", static_cast<int>(received / 1048576),
             static_cast<int>(total / 1048576), percent, static_cast<double>(speed) * 0.0009765625);
    }
    return 0;
}
