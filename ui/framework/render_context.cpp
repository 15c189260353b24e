#include "ui/framework/render_context.h"

#include "ui/framework/gdi_handles.h"
#include "ui/framework/geometry.h"

namespace SkinUI {

ClipScope::ClipScope(RenderContext& context, const RECT& rect)
    : context_(context), previousClip_(context.canvas.Clip()), savedDC_(SaveDC(context.dc)) {
    const RECT clip = Intersection(previousClip_, rect);
    context_.canvas.SetClip(clip);
    IntersectClipRect(context_.dc, clip.left, clip.top, clip.right, clip.bottom);
}

ClipScope::~ClipScope() {
    RestoreDC(context_.dc, savedDC_);
    context_.canvas.SetClip(previousClip_);
}

bool ClipScope::Empty() const { return IsEmpty(context_.canvas.Clip()); }

SIZE MeasureTextSize(HDC dc, HFONT font, const std::wstring& text, UINT style, int maxWidth) {
    ScopedSelect select(dc, font);
    RECT rect{0, 0, maxWidth, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              (style & ~(DT_VCENTER | DT_BOTTOM)) | DT_CALCRECT | DT_NOPREFIX);
    return SIZE{Width(rect), Height(rect)};
}

void DrawTextInRect(const RenderContext& context, HFONT font, const std::wstring& text,
                    const RECT& rect, uint32_t argb, UINT style) {
    if (text.empty() || IsEmpty(rect)) return;
    RECT target = rect;
    if (!(style & DT_SINGLELINE) && (style & (DT_VCENTER | DT_BOTTOM))) {
        const int textHeight = MeasureTextSize(context.dc, font, text, style, Width(rect)).cy;
        const int room = Height(rect) - textHeight;
        if (room > 0) target.top += (style & DT_BOTTOM) ? room : room / 2;
        style &= ~(DT_VCENTER | DT_BOTTOM);
    }
    ScopedSelect select(context.dc, font);
    SetBkMode(context.dc, TRANSPARENT);
    SetTextColor(context.dc, RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF));
    DrawTextW(context.dc, text.c_str(), static_cast<int>(text.size()), &target,
              style | DT_NOPREFIX);
    // The canvas writes the same pixels next: let GDI finish first.
    GdiFlush();
}

}  // namespace SkinUI
