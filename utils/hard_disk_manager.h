#pragma once

#include <cstdint>
#include <string>

namespace Utils {

// Free space of a volume. The byte counts stay 0 until a check succeeds.
class HardDiskManager {
public:
    virtual ~HardDiskManager() = default;

    // Fills the counts for the volume of `directoryOrDrive` ("D:" or a
    // folder); false (counts unchanged) when the system cannot tell.
    bool CheckFreeSpace(const std::wstring& directoryOrDrive);

    uint64_t FreeBytesAvailable() const { return freeBytesAvailable_; }
    uint64_t TotalBytes() const { return totalBytes_; }
    uint64_t TotalFreeBytes() const { return totalFreeBytes_; }

private:
    uint64_t freeBytesAvailable_ = 0;
    uint64_t totalBytes_ = 0;
    uint64_t totalFreeBytes_ = 0;
};

}  // namespace Utils
