#include "download/win_downloader.h"

#include "download/download_rules.h"
#include "utils/com_apartment.h"

namespace {

constexpr int kTries = 3;
constexpr auto kPauseAfterFailedTry = std::chrono::milliseconds(1000);

}  // namespace

CWinDownloader::CWinDownloader(DownloadCallback callback, std::wstring url,
                               std::wstring destination)
    : callback_(std::move(callback)),
      bindCallback_(callback_),
      destination_(std::move(destination)),
      url_(std::move(url)) {}

CWinDownloader::~CWinDownloader() {
    stop_.Raise();
    bindCallback_.Abort();
}

// Every Start() runs a new worker, so the user's retry after a final
// failure is reported like the first attempt.
void CWinDownloader::Start() {
    worker_.Launch([this] { Run(); });
}

void CWinDownloader::Run() {
    if (stop_.Raised()) return;
    Utils::ComApartment com;
    callback_(DL_CODE_START, 1.0, L"");
    // Without a destination there is nothing to write: the attempt ends here.
    if (destination_.empty()) {
        callback_(DL_CODE_FAIL, 1.0, L"");
        return;
    }
    const std::wstring url = UrlForSystemDownload(url_);
    for (int tries = 1; tries <= kTries; ++tries) {
        const HRESULT result =
            URLDownloadToFileW(nullptr, url.c_str(), destination_.c_str(), 0, &bindCallback_);
        if (stop_.Raised()) return;
        if (result == S_OK) {
            callback_(DL_CODE_SUCCESS, 0.0, DownloadText::kUrlDownloadToFile);
            return;
        }
        if (!stop_.SleepFor(kPauseAfterFailedTry)) return;
        if (tries == kTries) {
            callback_(DL_CODE_FAIL, static_cast<double>(static_cast<LONG>(result)),
                      DownloadText::kUrlDownloadToFile);
        }
    }
}

CWinDownloader::CBindCallback::CBindCallback(const DownloadCallback& callback)
    : callback_(callback) {}

CWinDownloader::CBindCallback::~CBindCallback() { aborting_ = true; }

HRESULT CWinDownloader::CBindCallback::QueryInterface(REFIID, void** object) {
    if (object != nullptr) *object = nullptr;
    return E_NOTIMPL;
}

ULONG CWinDownloader::CBindCallback::AddRef() { return 0; }

ULONG CWinDownloader::CBindCallback::Release() { return 0; }

HRESULT CWinDownloader::CBindCallback::OnStartBinding(DWORD, IBinding*) { return E_NOTIMPL; }

HRESULT CWinDownloader::CBindCallback::GetPriority(LONG*) { return E_NOTIMPL; }

HRESULT CWinDownloader::CBindCallback::OnLowResource(DWORD) { return E_NOTIMPL; }

HRESULT CWinDownloader::CBindCallback::OnProgress(ULONG progress, ULONG maximum, ULONG, LPCWSTR) {
    if (aborting_) return E_ABORT;
    if (maximum == 0) return S_OK;
    callback_(DL_CODE_PROGRESS, static_cast<double>(progress) / static_cast<double>(maximum), L"");
    return S_OK;
}

HRESULT CWinDownloader::CBindCallback::OnStopBinding(HRESULT, LPCWSTR) { return E_NOTIMPL; }

HRESULT CWinDownloader::CBindCallback::GetBindInfo(DWORD*, BINDINFO* bindInfo) {
    if (bindInfo != nullptr) bindInfo->dwCodePage = CP_UTF8;
    return E_NOTIMPL;
}

HRESULT CWinDownloader::CBindCallback::OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) {
    return E_NOTIMPL;
}

HRESULT CWinDownloader::CBindCallback::OnObjectAvailable(REFIID, IUnknown*) { return E_NOTIMPL; }

HRESULT CWinDownloader::CBindCallback::GetBindInfoEx(DWORD*, BINDINFO*, DWORD*, DWORD*) {
    return E_NOTIMPL;
}
