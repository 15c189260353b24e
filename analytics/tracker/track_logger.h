#pragma once

// The tracker's log file. The tracker keeps it open for its whole life but
// writes no lines to it; the product family's tools look for the file.

#include <mutex>
#include <string>

#include "utils/unique_handle.h"

namespace vorta::analytics {

class TrackLogger {
public:
    virtual ~TrackLogger() = default;

    // The open log's path; empty when none is open.
    virtual std::string path() const = 0;
};

class NativeTrackLogger : public TrackLogger {
public:
    NativeTrackLogger() = default;
    NativeTrackLogger(const NativeTrackLogger&) = delete;
    NativeTrackLogger& operator=(const NativeTrackLogger&) = delete;

    // Creates the file when missing and holds it open for reading and
    // appending. Opening the path already open does nothing; while another
    // thread opens or closes the log, the call is skipped.
    void open(const std::string& path);
    void close();

    std::string path() const override;

private:
    mutable std::mutex lock_;
    Utils::ScopedFileHandle file_;
    std::string path_;
};

}  // namespace vorta::analytics
