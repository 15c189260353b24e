#pragma once

// The skin archive store: the skinned windows' source of layouts and images.
// When the first skinned window is created it copies the 7z archive from the
// program's "ZIPRES" resource, decompresses every file into memory once and
// answers every later request from that table; windows after the first reuse
// it. Without an archive it reads loose files from the program's folder.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/framework/resource_source.h"
#include "ui/seven_zip_archive.h"

class CSkinResourceStore : public SkinUI::ISkinResourceSource {
public:
    // Layouts larger than this are refused.
    static constexpr uint64_t kMaxLayoutSize = 4 * 1024 * 1024;
    static constexpr wchar_t kMemoryArchiveName[] = L"membuffer";

    // Archives are read as 7z archives only while this is on; the start-up
    // code switches it on before the first window.
    void UseSevenZip(bool on) { sevenZip_ = on; }

    // Opens `buffer` as the store's archive unless an archive from memory is
    // already open.
    void SetResourceArchiveFromMemory(std::vector<uint8_t> buffer);

    void PrepareForWindow(const std::wstring& skinFolder, int resourceType,
                          UINT resourceId) override;
    SkinUI::LayoutBytes LoadLayout(const std::wstring& path) override;
    std::vector<uint8_t> LoadImageBytes(const std::wstring& path) override;

    // Folder of loose skin files, with a trailing "\".
    const std::wstring& ResourcePath() const { return resourcePath_; }
    void SetResourcePath(const std::wstring& path);
    // "membuffer" once an archive was opened from memory, else empty.
    const std::wstring& ArchiveName() const { return archiveName_; }
    const CSevenZipArchive* Archive() const { return archive_.get(); }

private:
    // Copies the archive resource `resourceId` of type "ZIPRES"; empty when
    // it is missing, unloadable or empty.
    static std::vector<uint8_t> ReadArchiveResource(UINT resourceId);
    bool ArchiveInUse() const { return !archiveName_.empty() && sevenZip_; }

    std::wstring resourcePath_;
    std::wstring archiveName_;
    bool sevenZip_ = false;
    std::unique_ptr<CSevenZipArchive> archive_;
    std::vector<uint8_t> archiveBuffer_;
};

// The process's one store, installed as the framework's resource source by
// InstallSkinResourceStore.
CSkinResourceStore& SkinResourceStore();

// Start-up's preparation of the skinned windows: the module holding the
// resources, 7z mode on, and the store as the framework's resource source.
void InstallSkinResourceStore(HINSTANCE instance);
