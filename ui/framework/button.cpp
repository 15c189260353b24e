#include "ui/framework/button.h"

#include "ui/framework/attribute_parsing.h"
#include "ui/framework/paint_manager.h"

namespace {

bool IsSet(const std::wstring& value) { return !value.empty(); }
bool IsSet(uint32_t color) { return color != 0; }

}  // namespace

CButton::CButton() : CLabel(DT_CENTER | DT_VCENTER | DT_SINGLELINE) {}

std::wstring CButton::GetClass() const { return L"Button"; }

CControl* CButton::GetInterface(const std::wstring& name) {
    return name == L"Button" ? this : CLabel::GetInterface(name);
}

bool CButton::Activate() {
    if (!IsVisible() || !IsEnabled() || GetManager() == nullptr) return false;
    GetManager()->SendNotify(this, L"click");
    return true;
}

void CButton::SetEnabled(bool enabled) {
    if (!enabled) hot_ = pushed_ = captured_ = false;
    CLabel::SetEnabled(enabled);
}

void CButton::SetAttribute(const std::wstring& name, const std::wstring& value) {
    using SkinUI::ParseColor;
    if (name == L"normalimage") {
        normalImage_ = value;
    } else if (name == L"hotimage") {
        hotImage_ = value;
    } else if (name == L"pushedimage") {
        pushedImage_ = value;
    } else if (name == L"hottextcolor") {
        hotTextColor_ = ParseColor(value).value_or(hotTextColor_);
    } else if (name == L"pushedtextcolor") {
        pushedTextColor_ = ParseColor(value).value_or(pushedTextColor_);
    } else if (name == L"hotbkcolor") {
        hotBkColor_ = ParseColor(value).value_or(hotBkColor_);
    } else if (name == L"pushedbkcolor") {
        pushedBkColor_ = ParseColor(value).value_or(pushedBkColor_);
    } else {
        CLabel::SetAttribute(name, value);
        return;
    }
    Invalidate();
}

void CButton::DoEvent(ControlEvent& event) {
    switch (event.type) {
        case ControlEventType::MouseEnter:
            hot_ = IsEnabled();
            Invalidate();
            break;
        case ControlEventType::MouseLeave:
            hot_ = false;
            Invalidate();
            break;
        case ControlEventType::ButtonDown:
            if (!IsEnabled()) break;
            captured_ = pushed_ = true;
            Invalidate();
            break;
        case ControlEventType::MouseMove:
            if (!captured_) break;
            pushed_ = SkinUI::Contains(GetPos(), event.mouse);
            Invalidate();
            break;
        case ControlEventType::ButtonUp: {
            if (!captured_) break;
            captured_ = pushed_ = false;
            Invalidate();
            // Last: the click handler may hide, disable or re-page this button.
            if (SkinUI::Contains(GetPos(), event.mouse)) Activate();
            break;
        }
        case ControlEventType::KeyDown:
            if (event.wParam == VK_SPACE) Activate();
            break;
        default:
            CLabel::DoEvent(event);
    }
}

template <typename T>
T CButton::ForState(const T& normal, const T& hot, const T& pushed) const {
    if (pushed_ && IsSet(pushed)) return pushed;
    if ((hot_ || pushed_) && IsSet(hot)) return hot;
    return normal;
}

void CButton::PaintBkColor(SkinUI::RenderContext& context) {
    const uint32_t color = ForState(GetBkColor(), hotBkColor_, pushedBkColor_);
    if (color >> 24 != 0) FillBackground(context, color);
}

void CButton::PaintStatusImage(SkinUI::RenderContext& context) {
    DrawImage(context, ForState(normalImage_, hotImage_, pushedImage_));
}

uint32_t CButton::CurrentTextColor() const {
    return ForState(GetTextColor(), hotTextColor_, pushedTextColor_);
}
