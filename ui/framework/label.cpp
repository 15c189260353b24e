#include "ui/framework/label.h"

#include <optional>

#include "ui/framework/attribute_parsing.h"
#include "ui/framework/paint_manager.h"

namespace {

constexpr UINT kHorizontalAlignment = DT_LEFT | DT_CENTER | DT_RIGHT;
constexpr UINT kVerticalAlignment = DT_TOP | DT_VCENTER | DT_BOTTOM;

UINT WithAlignment(UINT style, UINT mask, UINT alignment) { return (style & ~mask) | alignment; }

std::optional<UINT> HorizontalAlignment(const std::wstring& value) {
    if (value == L"left") return DT_LEFT;
    if (value == L"center") return DT_CENTER;
    if (value == L"right") return DT_RIGHT;
    return std::nullopt;
}

}  // namespace

std::wstring CLabel::GetClass() const { return L"Label"; }

CControl* CLabel::GetInterface(const std::wstring& name) {
    return name == L"Label" ? this : CControl::GetInterface(name);
}

void CLabel::SetFont(int id) {
    font_ = id;
    Invalidate();
}

void CLabel::SetTextStyle(UINT style) {
    textStyle_ = style;
    Invalidate();
}

void CLabel::SetTextColor(uint32_t argb) {
    textColor_ = argb;
    Invalidate();
}

void CLabel::SetTextPadding(const SkinUI::Edges& padding) {
    textPadding_ = padding;
    Invalidate();
}

void CLabel::SetAttribute(const std::wstring& name, const std::wstring& value) {
    using namespace SkinUI;
    if (name == L"font") {
        if (const auto id = ParseInt(value)) SetFont(*id);
    } else if (name == L"align") {
        if (const auto alignment = HorizontalAlignment(value)) {
            SetTextStyle(WithAlignment(textStyle_, kHorizontalAlignment, *alignment));
        }
    } else if (name == L"valign") {
        if (value == L"center" || value == L"vcenter") {
            SetTextStyle(WithAlignment(textStyle_, kVerticalAlignment, DT_VCENTER));
        }
    } else if (name == L"multiline") {
        SetTextStyle(ParseBool(value) ? WithAlignment(textStyle_, DT_SINGLELINE, DT_WORDBREAK)
                                      : WithAlignment(textStyle_, DT_WORDBREAK, DT_SINGLELINE));
    } else if (name == L"textcolor") {
        if (const auto color = ParseColor(value)) SetTextColor(*color);
    } else if (name == L"textpadding") {
        if (const auto padding = ParseEdges(value)) SetTextPadding(*padding);
    } else {
        CControl::SetAttribute(name, value);
    }
}

void CLabel::PaintText(SkinUI::RenderContext& context) {
    const std::wstring text = GetText();
    if (text.empty() || GetManager() == nullptr) return;
    SkinUI::DrawTextInRect(context, GetManager()->GetFont(font_), text,
                           SkinUI::Deflate(GetPos(), textPadding_), CurrentTextColor(), textStyle_);
}
