#include "tests/support/debug_output_listener.h"

#include <cstring>

#include "utils/text_encoding.h"

namespace TestSupport {

namespace {
constexpr DWORD kBufferSize = 4096;
}

DebugOutputListener::DebugOutputListener() {
    bufferReady_.Reset(CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_BUFFER_READY"));
    dataReady_.Reset(CreateEventW(nullptr, FALSE, FALSE, L"DBWIN_DATA_READY"));
    mapping_.Reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      kBufferSize, L"DBWIN_BUFFER"));
    if (!bufferReady_ || !dataReady_ || !mapping_) return;
    view_ = static_cast<const char*>(MapViewOfFile(mapping_.Get(), FILE_MAP_READ, 0, 0, 0));
    if (view_ == nullptr) return;
    listening_ = true;
    thread_ = std::thread(&DebugOutputListener::Run, this);
}

DebugOutputListener::~DebugOutputListener() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (view_ != nullptr) UnmapViewOfFile(view_);
}

void DebugOutputListener::Run() {
    SetEvent(bufferReady_.Get());
    while (!stop_) {
        // Short waits so that the destructor is never kept waiting long.
        if (WaitForSingleObject(dataReady_.Get(), 50) != WAIT_OBJECT_0) continue;
        DWORD processId = 0;
        memcpy(&processId, view_, sizeof(processId));
        const char* text = view_ + sizeof(DWORD);
        const std::string bytes(text, strnlen(text, kBufferSize - sizeof(DWORD)));
        {
            std::lock_guard<std::mutex> lock(mutex_);
            records_.push_back({processId, Utils::FromAnsi(bytes)});
        }
        changed_.notify_all();
        SetEvent(bufferReady_.Get());
    }
}

std::vector<DebugRecord> DebugOutputListener::Records() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return records_;
}

bool DebugOutputListener::WaitFor(const std::function<bool(const DebugRecord&)>& match,
                                  std::chrono::milliseconds timeout) const {
    std::unique_lock<std::mutex> lock(mutex_);
    size_t checked = 0;
    return changed_.wait_for(lock, timeout, [&] {
        for (; checked < records_.size(); ++checked) {
            if (match(records_[checked])) return true;
        }
        return false;
    });
}

bool DebugOutputListener::WaitForText(const std::wstring& fragment,
                                      std::chrono::milliseconds timeout) const {
    return WaitFor(
        [&](const DebugRecord& record) { return record.text.find(fragment) != std::wstring::npos; },
        timeout);
}

}  // namespace TestSupport
