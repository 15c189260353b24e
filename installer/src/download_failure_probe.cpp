#include "installer/src/download_failure_probe.h"

#include <windows.h>

#include "utils/com_apartment.h"
#include "installer/src/funnel_reasons.h"
#include "utils/hard_disk_manager.h"
#include "utils/network_check.h"
#include "utils/unique_handle.h"

namespace Funnel {

namespace {

constexpr double kBytesPerGigabyte = 1073741824.0;

}  // namespace

std::wstring ProbeWritePermission(const std::wstring& packagePath) {
    if (GetFileAttributesW(packagePath.c_str()) != INVALID_FILE_ATTRIBUTES &&
        !DeleteFileW(packagePath.c_str())) {
        return kNotWritable;
    }
    Utils::ScopedFileHandle probe(CreateFileW(packagePath.c_str(), GENERIC_READ | GENERIC_WRITE,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!probe) return kNotWritable;
    probe.Reset();
    DeleteFileW(packagePath.c_str());
    return kWritable;
}

double FreeGigabytesOnDrive(const std::wstring& packagePath) {
    Utils::HardDiskManager disk;
    if (!disk.CheckFreeSpace(packagePath.substr(0, 2))) return 0;
    return static_cast<double>(disk.FreeBytesAvailable()) / kBytesPerGigabyte;
}

std::wstring DescribeDownloadFailure(const std::wstring& packagePath, long eventCode,
                                     const std::wstring& eventText) {
    DownloadFailureFacts facts;
    facts.eventCode = eventCode;
    facts.eventText = eventText;
    {
        Utils::ComApartment com;
        facts.connectionCode = Utils::CheckNetwork();
    }
    facts.writePermission = ProbeWritePermission(packagePath);
    facts.freeGigabytes = FreeGigabytesOnDrive(packagePath);
    return DownloadFailureReason(facts);
}

}  // namespace Funnel
