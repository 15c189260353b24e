#pragma once

// What the installer's skin archive must hold: its six layouts and every
// image with its size and pixel format; and the store serving the archive
// linked into the test program.

#include <string>
#include <vector>

class CSkinResourceStore;

namespace SkinContent {

struct ImageFile {
    std::wstring path;  // as stored, with "/"
    int width;
    int height;
    bool palette;  // 8-bit palette PNG; all others are 8-bit RGBA
};

// Layout names as stored in the archive.
const std::vector<std::wstring>& Layouts();
const std::vector<ImageFile>& Images();

// The process's skin store, installed as the framework's resource source
// with the linked archive opened.
CSkinResourceStore& Store();

}  // namespace SkinContent
