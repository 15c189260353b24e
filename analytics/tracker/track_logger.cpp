#include "analytics/tracker/track_logger.h"

#include <windows.h>

namespace vorta::analytics {

void NativeTrackLogger::open(const std::string& path) {
    std::unique_lock<std::mutex> guard(lock_, std::try_to_lock);
    if (!guard.owns_lock() || (file_ && path == path_)) return;
    file_.Reset(CreateFileA(path.c_str(), GENERIC_READ | FILE_APPEND_DATA,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    path_ = file_ ? path : std::string();
}

void NativeTrackLogger::close() {
    std::lock_guard<std::mutex> guard(lock_);
    file_.Reset();
    path_.clear();
}

std::string NativeTrackLogger::path() const {
    std::lock_guard<std::mutex> guard(lock_);
    return path_;
}

}  // namespace vorta::analytics
