#pragma once

// The checks a target folder passes before anything is downloaded: it can be
// created, and its drive has at least 1 GiB free.

#include <cstdint>
#include <string>

enum class TargetFolderProblem {
    kNone,
    kCannotCreate,  // "无效路径"
    kLowSpace,      // "当前磁盘剩余空间低于1GB，请修改安装路径"
};

// Whether `freeBytes` leave room for the product: 1 GiB or more.
bool HasRoomForProduct(uint64_t freeBytes);

// The volume whose free space counts for `folder`: its drive ("D:") when it
// starts with one, otherwise the folder itself.
std::wstring VolumeOf(const std::wstring& folder);

// Whether `folder` stands on its own ("D:\Apps" or "\\server\share"), rather
// than relative to whatever the current folder happens to be.
bool IsAbsoluteFolder(const std::wstring& folder);

// Refuses a folder that is not absolute, creates `folder` with its missing
// parents, then asks for the free space of its volume (a volume that cannot
// tell counts as full).
TargetFolderProblem PrepareTargetFolder(const std::wstring& folder);
