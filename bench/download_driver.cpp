// Benchmark driver: downloads one URL with the downloader of a download type,
// as the installer would, and prints how long it took and how much memory
// the process needed, as one line of key=value pairs for bench/run.
//
//     bench_download.exe TYPE URL DESTINATION
//
// Like the installer, it answers a retry request (1005) by starting the
// downloader once more from inside the callback.

#include <windows.h>

#include <psapi.h>

#include <curl/curl.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <mutex>

#include "download/downloader_factory.h"

namespace {

// The whole run is bounded: a stuck download ends the driver with a failure.
constexpr auto kLongestDownload = std::chrono::minutes(5);

class FinalReport {
public:
    void Record(int code, double value) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (code == DL_CODE_RETRY) ++retries_;
        if (code != DL_CODE_SUCCESS && code != DL_CODE_FAIL) return;
        code_ = code;
        value_ = value;
        arrived_.notify_all();
    }

    // False when no final report arrived in time.
    bool Wait() {
        std::unique_lock<std::mutex> lock(mutex_);
        return arrived_.wait_for(lock, kLongestDownload, [this] { return code_ != 0; });
    }

    int Code() const { return code_; }
    double Value() const { return value_; }
    int Retries() const { return retries_; }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    int code_ = 0;
    double value_ = 0.0;
    int retries_ = 0;
};

// The system's own account of this process. Under Wine the working-set
// figures are those of the Unix process that runs the program (VmRSS and
// VmHWM in /proc), so the peak is exact without polling from outside.
PROCESS_MEMORY_COUNTERS MemoryCounters() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters;
}

int Download(int type, const wchar_t* url, const wchar_t* destination) {
    const SIZE_T workingSetBefore = MemoryCounters().WorkingSetSize;
    FinalReport report;
    CDownloader* running = nullptr;
    auto downloader = CreateDownloader(
        type,
        [&report, &running](int code, double value, const wchar_t*) {
            report.Record(code, value);
            if (code == DL_CODE_RETRY) running->Start();
        },
        url, destination);
    running = downloader.get();

    const auto started = std::chrono::steady_clock::now();
    downloader->Start();
    if (!report.Wait()) {
        // The worker still runs and the downloader would wait for it.
        printf("code=0\n");
        fflush(stdout);
        std::_Exit(1);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    downloader.reset();

    const PROCESS_MEMORY_COUNTERS counters = MemoryCounters();
    printf("code=%d value=%g retries=%d seconds=%.6f working_set_before=%lu peak_working_set=%lu\n",
           report.Code(), report.Value(), report.Retries(), elapsed.count(),
           static_cast<unsigned long>(workingSetBefore),
           static_cast<unsigned long>(counters.PeakWorkingSetSize));
    return report.Code() == DL_CODE_SUCCESS ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: bench_download TYPE URL DESTINATION\n");
        return 2;
    }
    if (curl_global_init(CURL_GLOBAL_ALL) != CURLE_OK) return 2;
    const int result = Download(_wtoi(argv[1]), argv[2], argv[3]);
    curl_global_cleanup();
    return result;
}
