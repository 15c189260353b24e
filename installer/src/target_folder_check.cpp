#include "installer/src/target_folder_check.h"

#include <cwctype>

#include "utils/directory_chain.h"
#include "utils/hard_disk_manager.h"

namespace {

constexpr uint64_t kOneGiB = 1ull << 30;

bool StartsWithDrive(const std::wstring& folder) {
    return folder.size() >= 2 && std::iswalpha(folder[0]) && folder[1] == L':';
}

}  // namespace

bool HasRoomForProduct(uint64_t freeBytes) { return freeBytes >= kOneGiB; }

bool IsAbsoluteFolder(const std::wstring& folder) {
    if (StartsWithDrive(folder)) return folder.size() >= 3 && folder[2] == L'\\';
    return folder.size() > 2 && folder[0] == L'\\' && folder[1] == L'\\';
}

std::wstring VolumeOf(const std::wstring& folder) {
    return StartsWithDrive(folder) ? folder.substr(0, 2) : folder;
}

TargetFolderProblem PrepareTargetFolder(const std::wstring& folder) {
    if (!IsAbsoluteFolder(folder) || !Utils::CreateDirectoryChain(folder))
        return TargetFolderProblem::kCannotCreate;
    Utils::HardDiskManager disk;
    disk.CheckFreeSpace(VolumeOf(folder));
    return HasRoomForProduct(disk.FreeBytesAvailable()) ? TargetFolderProblem::kNone
                                                        : TargetFolderProblem::kLowSpace;
}
