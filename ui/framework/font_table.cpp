#include "ui/framework/font_table.h"

#include <algorithm>

namespace SkinUI {

void FontTable::Add(int id, const std::wstring& face, int size, bool underline, bool isDefault) {
    LOGFONTW logFont{};
    logFont.lfHeight = -size;
    logFont.lfWeight = FW_NORMAL;
    logFont.lfUnderline = underline ? TRUE : FALSE;
    logFont.lfCharSet = DEFAULT_CHARSET;
    // Grey-scale smoothing blends correctly on any skin background; coloured
    // sub-pixel fringes would not.
    logFont.lfQuality = ANTIALIASED_QUALITY;
    face.copy(logFont.lfFaceName, LF_FACESIZE - 1);
    ScopedFont font(CreateFontIndirectW(&logFont));
    if (!font) return;

    auto same = std::find_if(fonts_.begin(), fonts_.end(),
                             [id](const Entry& entry) { return entry.id == id; });
    if (same != fonts_.end()) {
        same->font = std::move(font);
    } else {
        fonts_.push_back(Entry{id, std::move(font)});
    }
    if (isDefault) defaultId_ = id;
}

HFONT FontTable::Get(int id) const {
    for (const Entry& entry : fonts_) {
        if (entry.id == id) return entry.font.Get();
    }
    return Default();
}

HFONT FontTable::Default() const {
    for (const Entry& entry : fonts_) {
        if (entry.id == defaultId_) return entry.font.Get();
    }
    if (!fonts_.empty()) return fonts_.front().font.Get();
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

}  // namespace SkinUI
