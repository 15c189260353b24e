#pragma once

// The downloader contract: one file from one URL to one local path, on a
// worker thread, with every outcome reported through a callback.

#include <functional>

// Reports of a downloader, invoked on its worker threads. The text pointer
// is valid only during the call.
using DownloadCallback = std::function<void(int code, double value, const wchar_t* text)>;

enum DownloadCode : int {
    DL_CODE_START = 1001,     // the worker has begun; value 1.0
    DL_CODE_PROGRESS = 1002,  // value: fraction done, 0.0 to 1.0
    DL_CODE_SUCCESS = 1003,   // final: the file is complete at the destination
    DL_CODE_FAIL = 1004,      // final: value is the error that ended the download
    DL_CODE_RETRY = 1005,     // this attempt failed; call Start() once more
    DL_CODE_MD5 = 1006,       // notice about the digest check; another report follows
};

namespace DownloadText {

inline constexpr wchar_t kLibCurl[] = L"LibCurl";
inline constexpr wchar_t kUrlDownloadToFile[] = L"URLDownloadToFile";
inline constexpr wchar_t kMtCurlNoUrlMd5[] = L"mtcurl获取url-md5失败";
inline constexpr wchar_t kMtCurlMd5Mismatch[] = L"mtcurl文件md5校验失败";
inline constexpr wchar_t kCurlNoUrlMd5[] = L"curl获取url-md5失败";
inline constexpr wchar_t kCurlMd5Mismatch[] = L"curl文件md5校验失败";

}  // namespace DownloadText

class CDownloader {
public:
    virtual ~CDownloader() = default;

    // Begins (or begins again, after DL_CODE_RETRY or a final DL_CODE_FAIL)
    // the download on a worker thread and returns at once. It may be called
    // from inside the callback on the worker itself.
    virtual void Start() = 0;
};
