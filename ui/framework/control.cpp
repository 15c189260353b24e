#include "ui/framework/control.h"

#include "ui/framework/attribute_parsing.h"
#include "ui/framework/image_painter.h"
#include "ui/framework/paint_manager.h"

using SkinUI::RenderContext;

CControl::~CControl() {
    if (manager_ != nullptr) manager_->ReleaseControl(this);
}

std::wstring CControl::GetClass() const { return L"Control"; }

CControl* CControl::GetInterface(const std::wstring& name) {
    return name == L"Control" ? this : nullptr;
}

void CControl::SetManager(CPaintManager* manager, bool init) {
    manager_ = manager;
    if (init && manager_ != nullptr) DoInit();
}

CControl* CControl::FindControl(const std::wstring& name) { return name_ == name ? this : nullptr; }

CControl* CControl::FindControlAt(POINT point) {
    return IsVisible() && SkinUI::Contains(pos_, point) ? this : nullptr;
}

void CControl::SetText(const std::wstring& text) {
    if (text_ == text) return;
    text_ = text;
    Invalidate();
}

void CControl::SetFixedWidth(int width) {
    if (width < 0 || width == fixedWidth_) return;
    fixedWidth_ = width;
    NeedUpdate();
}

void CControl::SetFixedHeight(int height) {
    if (height < 0 || height == fixedHeight_) return;
    fixedHeight_ = height;
    NeedUpdate();
}

void CControl::SetPadding(const SkinUI::Edges& padding) {
    padding_ = padding;
    NeedUpdate();
}

void CControl::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    NeedUpdate();
}

void CControl::SetInternVisible(bool visible) { internVisible_ = visible; }

void CControl::SetEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    Invalidate();
}

void CControl::SetFocus() {
    if (manager_ != nullptr) manager_->SetFocus(this);
}

void CControl::SetBkColor(uint32_t argb) {
    bkColor_ = argb;
    Invalidate();
}

void CControl::SetBkImage(const std::wstring& image) {
    if (bkImage_ == image) return;
    bkImage_ = image;
    Invalidate();
}

void CControl::SetBorderSize(int size) {
    borderSize_ = size;
    Invalidate();
}

void CControl::SetBorderColor(uint32_t argb) {
    borderColor_ = argb;
    Invalidate();
}

void CControl::SetBorderRound(SIZE round) {
    borderRound_ = round;
    Invalidate();
}

void CControl::SetAttribute(const std::wstring& name, const std::wstring& value) {
    using namespace SkinUI;
    if (name == L"name") {
        SetName(value);
    } else if (name == L"text") {
        SetText(value);
    } else if (name == L"userdata") {
        SetUserData(value);
    } else if (name == L"width") {
        if (const auto width = ParseInt(value)) SetFixedWidth(*width);
    } else if (name == L"height") {
        if (const auto height = ParseInt(value)) SetFixedHeight(*height);
    } else if (name == L"pos") {
        // Inside a layout a position only fixes the control's size.
        if (const auto rect = ParseRect(value)) {
            SetFixedWidth(Width(*rect));
            SetFixedHeight(Height(*rect));
        }
    } else if (name == L"padding") {
        if (const auto padding = ParseEdges(value)) SetPadding(*padding);
    } else if (name == L"visible") {
        SetVisible(ParseBool(value));
    } else if (name == L"bkcolor") {
        if (const auto color = ParseColor(value)) SetBkColor(*color);
    } else if (name == L"bkimage") {
        SetBkImage(value);
    } else if (name == L"bordersize") {
        if (const auto size = ParseInt(value)) SetBorderSize(*size);
    } else if (name == L"bordercolor") {
        if (const auto color = ParseColor(value)) SetBorderColor(*color);
    } else if (name == L"borderround") {
        if (const auto round = ParseSize(value)) SetBorderRound(*round);
    }
}

void CControl::DoPaint(RenderContext& context) {
    SkinUI::ClipScope clip(context, pos_);
    if (clip.Empty()) return;
    PaintBkColor(context);
    PaintBkImage(context);
    PaintStatusImage(context);
    PaintText(context);
    PaintBorder(context);
}

void CControl::DoEvent(ControlEvent& event) {
    if (event.type == ControlEventType::Timer && manager_ != nullptr) {
        manager_->SendNotify(this, L"timer", event.wParam);
    }
}

void CControl::AddNotifyHandler(NotifyHandler handler) {
    notifyHandlers_.push_back(std::move(handler));
}

void CControl::DeliverOwnNotify(const NotifyMsg& msg) const {
    for (const NotifyHandler& handler : notifyHandlers_) handler(msg);
}

void CControl::Invalidate() const {
    if (manager_ != nullptr && IsVisible()) manager_->Invalidate(pos_);
}

void CControl::NeedUpdate() const {
    if (manager_ != nullptr) manager_->NeedUpdate();
}

bool CControl::SetTimer(UINT id, UINT elapse) {
    return manager_ != nullptr && manager_->SetTimer(this, id, elapse);
}

bool CControl::KillTimer(UINT id) { return manager_ != nullptr && manager_->KillTimer(this, id); }

bool CControl::HandleChildMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void CControl::PaintBkColor(RenderContext& context) {
    if (bkColor_ >> 24 != 0) FillBackground(context, bkColor_);
}

void CControl::PaintBkImage(RenderContext& context) { DrawImage(context, bkImage_); }

void CControl::PaintBorder(RenderContext& context) {
    if (borderSize_ > 0 && borderColor_ >> 24 != 0) {
        context.canvas.FrameRoundRect(pos_, borderRound_, borderSize_, borderColor_);
    }
}

void CControl::FillBackground(RenderContext& context, uint32_t argb) const {
    context.canvas.FillRoundRect(pos_, borderRound_, argb);
}

bool CControl::DrawImage(RenderContext& context, const std::wstring& value,
                         const RECT& bounds) const {
    if (value.empty() || manager_ == nullptr) return false;
    const auto descriptor = SkinUI::ParseImageDescriptor(value);
    if (!descriptor) return false;
    const auto image = manager_->GetImage(*descriptor);
    if (!image) return false;
    SkinUI::DrawDescribedImage(context.canvas, *image, *descriptor, bounds);
    return true;
}
