#pragma once

// The fonts a layout declares, by id. Controls name a font by id; an unknown
// id (or -1) means the window's default font.

#include <windows.h>

#include <string>
#include <vector>

#include "ui/framework/gdi_handles.h"

namespace SkinUI {

class FontTable {
public:
    // `size` is the character height in pixels. A later font with the same
    // id replaces the earlier one.
    void Add(int id, const std::wstring& face, int size, bool underline, bool isDefault);

    HFONT Get(int id) const;
    HFONT Default() const;

private:
    struct Entry {
        int id;
        ScopedFont font;
    };

    std::vector<Entry> fonts_;
    int defaultId_ = -1;
};

}  // namespace SkinUI
