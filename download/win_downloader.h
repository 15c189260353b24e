#pragma once

// The system URL downloader (download type 2): URLDownloadToFileW writes
// the file, a bind-status callback turns its progress notifications into
// reports. No resume and no digest check; up to three tries per attempt.

#include <windows.h>

#include <urlmon.h>

#include <atomic>
#include <string>

#include "download/downloader.h"
#include "download/stop_signal.h"
#include "download/worker_chain.h"

class CWinDownloader : public CDownloader {
public:
    // Lives inside the downloader, so it counts no references.
    class CBindCallback : public IBindStatusCallback {
    public:
        explicit CBindCallback(const DownloadCallback& callback);
        virtual ~CBindCallback();
        CBindCallback(const CBindCallback&) = delete;
        CBindCallback& operator=(const CBindCallback&) = delete;

        // Makes the next progress notification cancel the transfer.
        void Abort() { aborting_ = true; }

        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;
        HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD reserved, IBinding* binding) override;
        HRESULT STDMETHODCALLTYPE GetPriority(LONG* priority) override;
        HRESULT STDMETHODCALLTYPE OnLowResource(DWORD reserved) override;
        HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG maximum, ULONG statusCode,
                                             LPCWSTR statusText) override;
        HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT result, LPCWSTR error) override;
        HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* bindFlags, BINDINFO* bindInfo) override;
        HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD flags, DWORD size, FORMATETC* format,
                                                  STGMEDIUM* medium) override;
        HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID iid, IUnknown* object) override;
        // The shape of IBindStatusCallbackEx::GetBindInfoEx.
        virtual HRESULT STDMETHODCALLTYPE GetBindInfoEx(DWORD* bindFlags, BINDINFO* bindInfo,
                                                        DWORD* bindFlags2, DWORD* reserved);

    private:
        const DownloadCallback& callback_;
        std::atomic<bool> aborting_{false};
    };

    CWinDownloader(DownloadCallback callback, std::wstring url, std::wstring destination);
    ~CWinDownloader() override;

    void Start() override;

private:
    void Run();

    DownloadCallback callback_;
    CBindCallback bindCallback_;
    std::wstring destination_;
    std::wstring url_;
    StopSignal stop_;
    // Last: its destructor waits for the worker, which uses all of the above.
    WorkerChain worker_;
};
