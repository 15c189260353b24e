#include "ui/framework/edit.h"

#include "ui/framework/paint_manager.h"
#include "ui/framework/resource_source.h"

namespace {

COLORREF ToColorRef(uint32_t argb) {
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

int LineHeight(HFONT font) {
    SkinUI::ScopedMemoryDC dc(CreateCompatibleDC(nullptr));
    SkinUI::ScopedSelect select(dc.Get(), font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.Get(), &metrics);
    return metrics.tmHeight;
}

}  // namespace

CEdit::~CEdit() {
    if (edit_ != nullptr && IsWindow(edit_) && GetPropW(edit_, kControlProperty) == this) {
        RemovePropW(edit_, kControlProperty);
        DestroyWindow(edit_);
    }
}

std::wstring CEdit::GetClass() const { return L"Edit"; }

CControl* CEdit::GetInterface(const std::wstring& name) {
    return name == L"Edit" ? this : CLabel::GetInterface(name);
}

std::wstring CEdit::GetText() const {
    if (edit_ == nullptr) return CLabel::GetText();
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit_)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(edit_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void CEdit::SetText(const std::wstring& text) {
    CLabel::SetText(text);
    if (edit_ != nullptr) SetWindowTextW(edit_, text.c_str());
}

void CEdit::SetPos(const RECT& rect) {
    CLabel::SetPos(rect);
    UpdateNativeWindow();
}

void CEdit::SetVisible(bool visible) {
    CLabel::SetVisible(visible);
    UpdateNativeWindow();
}

void CEdit::SetInternVisible(bool visible) {
    CLabel::SetInternVisible(visible);
    UpdateNativeWindow();
}

void CEdit::SetEnabled(bool enabled) {
    CLabel::SetEnabled(enabled);
    if (edit_ != nullptr) EnableWindow(edit_, enabled ? TRUE : FALSE);
}

void CEdit::SetFocus() {
    CLabel::SetFocus();
    if (edit_ != nullptr) ::SetFocus(edit_);
}

void CEdit::DoInit() {
    HWND parent = GetManager()->GetPaintWindow();
    if (parent == nullptr || edit_ != nullptr) return;
    const DWORD style = WS_CHILD | ES_LEFT | ES_AUTOHSCROLL | (IsEnabled() ? 0 : WS_DISABLED);
    edit_ = CreateWindowExW(0, L"EDIT", CLabel::GetText().c_str(), style, 0, 0, 0, 0, parent,
                            nullptr, SkinUI::ResourceInstance(), nullptr);
    if (edit_ == nullptr) return;
    SetPropW(edit_, kControlProperty, this);
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(GetManager()->GetFont(GetFont())),
                 FALSE);
    SendMessageW(edit_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    UpdateNativeWindow();
}

void CEdit::DoEvent(ControlEvent& event) {
    // A click on the padding around the field still starts typing.
    if (event.type == ControlEventType::ButtonDown) {
        SetFocus();
        return;
    }
    CLabel::DoEvent(event);
}

void CEdit::UpdateNativeWindow() {
    if (edit_ == nullptr) return;
    RECT field = SkinUI::Deflate(GetPos(), GetTextPadding());
    const int lineHeight = LineHeight(GetManager()->GetFont(GetFont()));
    if (SkinUI::Height(field) > lineHeight) {
        field.top += (SkinUI::Height(field) - lineHeight) / 2;
        field.bottom = field.top + lineHeight;
    }
    SetWindowPos(edit_, nullptr, field.left, field.top, SkinUI::Width(field), SkinUI::Height(field),
                 SWP_NOZORDER | SWP_NOACTIVATE | (IsVisible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

uint32_t CEdit::FieldColor() const {
    return GetBkColor() >> 24 == 0xFF ? GetBkColor() : 0xFFFFFFFF;
}

bool CEdit::HandleChildMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORSTATIC) return false;
    const uint32_t color = FieldColor();
    if (!background_ || backgroundColor_ != color) {
        background_.Reset(CreateSolidBrush(ToColorRef(color)));
        backgroundColor_ = color;
    }
    HDC dc = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(dc, ToColorRef(GetTextColor()));
    ::SetBkColor(dc, ToColorRef(color));
    result = reinterpret_cast<LRESULT>(background_.Get());
    return true;
}

void CEdit::PaintText(SkinUI::RenderContext& context) {
    if (edit_ == nullptr) CLabel::PaintText(context);
}
