#pragma once

// Where skinned windows get their layouts and images. The framework reads
// every resource through one process-wide source that the application
// installs before the first window; the installer's source is the skin
// archive store, which serves a 7z archive from the program's resources and
// falls back to loose files.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace SkinUI {

// The resource type of a skin held as a compressed archive in the program's
// resources.
inline constexpr int kSkinInResourceArchive = 4;

// A layout file's bytes, or why they could not be read (a short text such as
// "File is empty").
struct LayoutBytes {
    std::vector<uint8_t> data;
    std::wstring error;
};

class ISkinResourceSource {
public:
    virtual ~ISkinResourceSource() = default;

    // Called while a skinned window is created, before its layout is built.
    virtual void PrepareForWindow(const std::wstring& skinFolder, int resourceType,
                                  UINT resourceId) = 0;

    virtual LayoutBytes LoadLayout(const std::wstring& path) = 0;

    // Empty when the image is nowhere to be found.
    virtual std::vector<uint8_t> LoadImageBytes(const std::wstring& path) = 0;
};

// The source is not owned; it must outlive every skinned window.
void SetSkinResourceSource(ISkinResourceSource* source);
ISkinResourceSource* SkinResourceSource();

// The module holding the program's resources (skin archive, icons) and
// registering the framework's window classes; the executable by default.
void SetResourceInstance(HINSTANCE instance);
HINSTANCE ResourceInstance();

}  // namespace SkinUI
