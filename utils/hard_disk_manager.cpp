#include "utils/hard_disk_manager.h"

#include <windows.h>

#include "installer/src/diagnostic_log.h"

namespace Utils {

bool HardDiskManager::CheckFreeSpace(const std::wstring& directoryOrDrive) {
    ULARGE_INTEGER available{}, total{}, totalFree{};
    if (!GetDiskFreeSpaceExW(directoryOrDrive.c_str(), &available, &total, &totalFree)) {
        QLOG(L"HardDiskManager::CheckFreeSpace FAIL code=%ld\r\n",
             static_cast<long>(GetLastError()));
        return false;
    }
    freeBytesAvailable_ = available.QuadPart;
    totalBytes_ = total.QuadPart;
    totalFreeBytes_ = totalFree.QuadPart;
    return true;
}

}  // namespace Utils
