#include "ui/skin_resource_store.h"

#include "utils/unique_handle.h"

namespace {

constexpr wchar_t kArchiveResourceType[] = L"ZIPRES";
// Images read from disk are refused above this size rather than exhausting
// the 32-bit address space; skin images are a few kilobytes.
constexpr uint64_t kMaxDiskImageSize = 64 * 1024 * 1024;

std::wstring WithTrailingBackslash(std::wstring path) {
    if (!path.empty() && path.back() != L'\\') path += L'\\';
    return path;
}

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

enum class FileReadStatus { Read, CannotOpen, Empty, TooLarge, CannotRead };

// Reads a whole file; refuses files above `limit` bytes.
FileReadStatus ReadWholeFile(const std::wstring& path, uint64_t limit, std::vector<uint8_t>& data) {
    Utils::ScopedFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return FileReadStatus::CannotOpen;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size)) return FileReadStatus::CannotRead;
    if (size.QuadPart == 0) return FileReadStatus::Empty;
    if (static_cast<uint64_t>(size.QuadPart) > limit) return FileReadStatus::TooLarge;
    data.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!ReadFile(file.Get(), data.data(), static_cast<DWORD>(data.size()), &read, nullptr) ||
        read != data.size()) {
        data.clear();
        return FileReadStatus::CannotRead;
    }
    return FileReadStatus::Read;
}

// Why a layout could not be read from disk; empty when it was read.
std::wstring DiskLayoutError(FileReadStatus status) {
    switch (status) {
        case FileReadStatus::CannotOpen:
            return L"Error opening file";
        case FileReadStatus::Empty:
            return L"File is empty";
        case FileReadStatus::TooLarge:
            return L"File too large";
        case FileReadStatus::CannotRead:
            return L"Could not read file";
        case FileReadStatus::Read:
            break;
    }
    return L"";
}

}  // namespace

void CSkinResourceStore::SetResourcePath(const std::wstring& path) {
    resourcePath_ = WithTrailingBackslash(path);
}

void CSkinResourceStore::SetResourceArchiveFromMemory(std::vector<uint8_t> buffer) {
    if (archiveName_ == kMemoryArchiveName) return;
    archive_.reset();
    archiveName_ = kMemoryArchiveName;
    archiveBuffer_ = std::move(buffer);
    archive_ = CSevenZipArchive::OpenFromMemory(archiveBuffer_.data(), archiveBuffer_.size());
}

std::vector<uint8_t> CSkinResourceStore::ReadArchiveResource(UINT resourceId) {
    HMODULE module = SkinUI::ResourceInstance();
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(resourceId), kArchiveResourceType);
    if (resource == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, resource);
    const DWORD size = SizeofResource(module, resource);
    const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (bytes == nullptr || size == 0) return {};
    return std::vector<uint8_t>(bytes, bytes + size);
}

void CSkinResourceStore::PrepareForWindow(const std::wstring& skinFolder, int resourceType,
                                          UINT resourceId) {
    if (resourcePath_.empty()) SetResourcePath(ProgramFolder() + skinFolder);
    // The archive is copied and opened for the first window only.
    if (resourceType != SkinUI::kSkinInResourceArchive || archiveName_ == kMemoryArchiveName) {
        return;
    }
    std::vector<uint8_t> buffer = ReadArchiveResource(resourceId);
    if (!buffer.empty()) SetResourceArchiveFromMemory(std::move(buffer));
}

SkinUI::LayoutBytes CSkinResourceStore::LoadLayout(const std::wstring& path) {
    SkinUI::LayoutBytes layout;
    if (!ArchiveInUse()) {
        layout.error =
            DiskLayoutError(ReadWholeFile(resourcePath_ + path, kMaxLayoutSize, layout.data));
        return layout;
    }
    if (!archive_) {
        layout.error = L"Error opening zip file";
    } else if (const auto location = archive_->Find(path); !location) {
        layout.error = L"Could not find ziped file";
    } else if (location->size == 0) {
        layout.error = L"File is empty";
    } else if (location->size > kMaxLayoutSize) {
        layout.error = L"File too large";
    } else {
        layout.data.resize(static_cast<size_t>(location->size));
        if (!archive_->Copy(location->index, layout.data.data())) {
            layout.data.clear();
            layout.error = L"Could not unzip file";
        }
    }
    return layout;
}

std::vector<uint8_t> CSkinResourceStore::LoadImageBytes(const std::wstring& path) {
    std::vector<uint8_t> data;
    if (ArchiveInUse() && archive_) {
        const auto location = archive_->Find(path);
        if (location && location->size > 0) {
            data.resize(static_cast<size_t>(location->size));
            if (archive_->Copy(location->index, data.data())) return data;
            data.clear();
        }
    } else if (ReadWholeFile(resourcePath_ + path, kMaxDiskImageSize, data) ==
               FileReadStatus::Read) {
        return data;
    }
    // Images may also be named by a path of their own on disk.
    ReadWholeFile(path, kMaxDiskImageSize, data);
    return data;
}

CSkinResourceStore& SkinResourceStore() {
    static CSkinResourceStore store;
    return store;
}

void InstallSkinResourceStore(HINSTANCE instance) {
    SkinUI::SetResourceInstance(instance);
    SkinResourceStore().UseSevenZip(true);
    SkinUI::SetSkinResourceSource(&SkinResourceStore());
}
