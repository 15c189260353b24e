#include "ui/framework/paint_manager.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>

#include "ui/framework/geometry.h"
#include "ui/framework/render_context.h"

using SkinUI::Height;
using SkinUI::Width;

namespace {

// Every paint manager of the process, for pre-translation (UI thread only).
std::vector<CPaintManager*>& Managers() {
    static std::vector<CPaintManager*> managers;
    return managers;
}

// Posted to the window when queued notifications wait.
UINT AsyncNotifyMessage() {
    static const UINT message = RegisterWindowMessageW(L"SkinUI.AsyncNotify");
    return message;
}

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

CPaintManager::CPaintManager() = default;

CPaintManager::~CPaintManager() {
    // Controls report their going away to this manager: drop them while
    // everything they report to still exists.
    root_.reset();
    auto& managers = Managers();
    managers.erase(std::remove(managers.begin(), managers.end(), this), managers.end());
}

void CPaintManager::Init(HWND window) {
    window_ = window;
    Managers().push_back(this);
}

void CPaintManager::SetWindowAttribute(const std::wstring& name, const std::wstring& value) {
    for (auto& attribute : windowAttributes_) {
        if (attribute.first == name) {
            attribute.second = value;
            return;
        }
    }
    windowAttributes_.emplace_back(name, value);
}

std::optional<std::wstring> CPaintManager::GetWindowAttribute(const std::wstring& name) const {
    for (const auto& attribute : windowAttributes_) {
        if (attribute.first == name) return attribute.second;
    }
    return std::nullopt;
}

SIZE CPaintManager::MeasureText(int fontId, const std::wstring& text, UINT style) const {
    SkinUI::ScopedMemoryDC dc(CreateCompatibleDC(nullptr));
    // Without a width limit only the text's own line breaks count.
    constexpr int kUnlimitedWidth = 0x7FFF;
    return SkinUI::MeasureTextSize(dc.Get(), GetFont(fontId), text, style, kUnlimitedWidth);
}

std::shared_ptr<const SkinUI::Image> CPaintManager::GetImage(
    const SkinUI::ImageDescriptor& descriptor) {
    std::wstring key = descriptor.file;
    if (descriptor.mask) key += L"|" + std::to_wstring(*descriptor.mask & 0xFFFFFF);
    const auto cached = images_.find(key);
    if (cached != images_.end()) return cached->second;
    // A missing image is remembered too, so that painting does not look
    // for it again and again.
    auto image = SkinUI::LoadSkinImage(descriptor.file, descriptor.mask);
    images_.emplace(key, image);
    return image;
}

void CPaintManager::AttachRoot(std::unique_ptr<CControl> root) {
    root_ = std::move(root);
    if (root_) root_->SetManager(this, true);
    NeedUpdate();
}

CControl* CPaintManager::FindControl(const std::wstring& name) const {
    return root_ ? root_->FindControl(name) : nullptr;
}

CControl* CPaintManager::FindControlAt(POINT point) {
    if (!root_) return nullptr;
    if (window_ != nullptr) EnsureLayout(ClientRect());
    return root_->FindControlAt(point);
}

void CPaintManager::NeedUpdate() {
    needLayout_ = true;
    if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

void CPaintManager::Invalidate(const RECT& rect) const {
    if (window_ != nullptr) InvalidateRect(window_, &rect, FALSE);
}

void CPaintManager::ReleaseControl(CControl* control) {
    if (hot_ == control) hot_ = nullptr;
    if (captured_ == control) captured_ = nullptr;
    if (focus_ == control) focus_ = nullptr;
    for (UINT systemId : timers_.RemoveControl(control)) StopSystemTimer(systemId);
    queued_.RemoveSender(control);
}

void CPaintManager::SetFocus(CControl* control) {
    focus_ = control;
    if (control != nullptr && window_ != nullptr && ::GetFocus() != window_) ::SetFocus(window_);
}

void CPaintManager::AddNotifier(INotifyReceiver* receiver) {
    if (std::find(notifiers_.begin(), notifiers_.end(), receiver) == notifiers_.end()) {
        notifiers_.push_back(receiver);
    }
}

void CPaintManager::SendNotify(CControl* sender, const std::wstring& type, WPARAM wParam,
                               LPARAM lParam, bool async, bool allowRepeat) {
    NotifyMsg msg{type, sender, GetTickCount(), POINT{}, wParam, lParam};
    GetCursorPos(&msg.mouse);
    if (window_ != nullptr) ScreenToClient(window_, &msg.mouse);
    if (!async) {
        DeliverNotify(msg);
        return;
    }
    if (queued_.Push(msg, allowRepeat) && window_ != nullptr) {
        PostMessageW(window_, AsyncNotifyMessage(), 0, 0);
    }
}

void CPaintManager::DeliverNotify(const NotifyMsg& msg) {
    if (msg.sender != nullptr) msg.sender->DeliverOwnNotify(msg);
    // A receiver may register another while it handles the notification.
    for (INotifyReceiver* receiver : std::vector<INotifyReceiver*>(notifiers_)) {
        receiver->Notify(msg);
    }
}

void CPaintManager::DeliverQueuedNotifies() {
    for (const NotifyMsg& msg : queued_.TakeAll()) DeliverNotify(msg);
}

void CPaintManager::AddMessageFilter(ISkinMessageFilter* filter) {
    if (std::find(filters_.begin(), filters_.end(), filter) == filters_.end()) {
        filters_.push_back(filter);
    }
}

bool CPaintManager::SetTimer(CControl* control, UINT id, UINT elapse) {
    if (window_ == nullptr) return false;
    const auto outcome = timers_.Set(control, id);
    if (outcome.result == SkinUI::TimerTable::SetResult::AlreadyRunning) return true;
    if (outcome.result == SkinUI::TimerTable::SetResult::NoFreeId) return false;
    if (::SetTimer(window_, outcome.systemId, elapse, nullptr) != 0) return true;
    timers_.Kill(control, id);
    return false;
}

bool CPaintManager::KillTimer(CControl* control, UINT id) {
    const auto systemId = timers_.Kill(control, id);
    if (!systemId) return false;
    StopSystemTimer(*systemId);
    return true;
}

void CPaintManager::StopSystemTimer(UINT systemId) const {
    // Without a window the id would name one of the thread's own timers.
    if (window_ != nullptr) ::KillTimer(window_, systemId);
}

bool CPaintManager::OnTimer(UINT systemId) {
    const auto target = timers_.Running(systemId);
    if (!target) return false;
    ControlEvent event{ControlEventType::Timer, POINT{}, target->id, 0, GetTickCount()};
    target->control->DoEvent(event);
    return true;
}

RECT CPaintManager::ClientRect() const {
    RECT client{};
    GetClientRect(window_, &client);
    return client;
}

void CPaintManager::EnsureLayout(const RECT& bounds) {
    if (!root_ || (!needLayout_ && EqualRect(&bounds, &laidOut_))) return;
    needLayout_ = false;
    laidOut_ = bounds;
    root_->SetPos(bounds);
}

void CPaintManager::Render(SkinUI::Surface& surface, const RECT& dirty) {
    if (!root_) return;
    const SIZE size = surface.Size();
    EnsureLayout(RECT{0, 0, size.cx, size.cy});
    SkinUI::Canvas canvas = surface.MakeCanvas();
    SkinUI::RenderContext context{surface.DC(), canvas};
    SkinUI::ClipScope clip(context, dirty);
    if (clip.Empty()) return;
    canvas.Clear(canvas.Clip(), 0);
    root_->DoPaint(context);
}

void CPaintManager::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window_, &paint);
    const RECT client = ClientRect();
    const RECT& dirty = paint.rcPaint;
    if (root_ && !SkinUI::IsEmpty(dirty) &&
        backBuffer_.Resize(SIZE{Width(client), Height(client)})) {
        Render(backBuffer_, dirty);
        BitBlt(dc, dirty.left, dirty.top, Width(dirty), Height(dirty), backBuffer_.DC(), dirty.left,
               dirty.top, SRCCOPY);
    }
    EndPaint(window_, &paint);
}

void CPaintManager::PrintClient(HDC dc) {
    const RECT client = ClientRect();
    if (!root_ || !backBuffer_.Resize(SIZE{Width(client), Height(client)})) return;
    Render(backBuffer_, client);
    BitBlt(dc, 0, 0, Width(client), Height(client), backBuffer_.DC(), 0, 0, SRCCOPY);
}

void CPaintManager::SendEvent(CControl* control, ControlEventType type, POINT mouse,
                              WPARAM wParam) {
    ControlEvent event{type, mouse, wParam, 0, GetTickCount()};
    control->DoEvent(event);
}

void CPaintManager::SetHot(CControl* control, POINT mouse) {
    if (control == hot_) return;
    CControl* previous = hot_;
    hot_ = control;
    if (previous != nullptr) SendEvent(previous, ControlEventType::MouseLeave, mouse);
    if (control != nullptr) SendEvent(control, ControlEventType::MouseEnter, mouse);
}

void CPaintManager::OnMouseMove(POINT mouse) {
    if (!trackingMouse_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_, 0};
        trackingMouse_ = TrackMouseEvent(&track) != FALSE;
    }
    // While a button is held, only the control that took it follows the mouse.
    if (captured_ != nullptr) {
        SendEvent(captured_, ControlEventType::MouseMove, mouse);
    } else {
        SetHot(FindControlAt(mouse), mouse);
    }
}

void CPaintManager::OnButtonDown(POINT mouse) {
    CControl* control = FindControlAt(mouse);
    if (control == nullptr) return;
    SetHot(control, mouse);
    captured_ = control;
    SetCapture(window_);
    if (control->IsInteractive()) SetFocus(control);
    if (captured_ == control) SendEvent(control, ControlEventType::ButtonDown, mouse);
}

void CPaintManager::OnButtonUp(POINT mouse) {
    CControl* control = captured_;
    if (control == nullptr) return;
    captured_ = nullptr;
    ReleaseCapture();
    SendEvent(control, ControlEventType::ButtonUp, mouse);
}

void CPaintManager::OnCaptureLost() {
    CControl* control = captured_;
    if (control == nullptr) return;
    captured_ = nullptr;
    // Released nowhere: the held control sees the button go up outside itself.
    SendEvent(control, ControlEventType::ButtonUp, POINT{LONG_MIN, LONG_MIN});
}

bool CPaintManager::MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    for (ISkinMessageFilter* filter : std::vector<ISkinMessageFilter*>(filters_)) {
        bool handled = false;
        const LRESULT filtered = filter->MessageFilter(message, wParam, lParam, handled);
        if (handled) {
            result = filtered;
            return true;
        }
    }
    result = 0;
    if (message == AsyncNotifyMessage()) {
        DeliverQueuedNotifies();
        return true;
    }
    switch (message) {
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_PAINT:
            Paint();
            return true;
        case WM_PRINTCLIENT:
            PrintClient(reinterpret_cast<HDC>(wParam));
            return true;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED && root_) {
                needLayout_ = true;
                // Native child controls move now, not at the next paint.
                EnsureLayout(ClientRect());
            }
            return false;
        case WM_TIMER:
            return OnTimer(static_cast<UINT>(wParam));
        case WM_MOUSEMOVE:
            OnMouseMove(PointOf(lParam));
            return false;
        case WM_MOUSELEAVE:
            trackingMouse_ = false;
            if (captured_ == nullptr) SetHot(nullptr, POINT{});
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnButtonDown(PointOf(lParam));
            return false;
        case WM_LBUTTONUP:
            OnButtonUp(PointOf(lParam));
            return false;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != window_) OnCaptureLost();
            return false;
        case WM_NCDESTROY:
            // The controls may outlive the window; they then draw nowhere.
            window_ = nullptr;
            return false;
        case WM_KEYDOWN:
            if (focus_ != nullptr) SendEvent(focus_, ControlEventType::KeyDown, POINT{}, wParam);
            return false;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC: {
            auto* control = static_cast<CControl*>(
                GetPropW(reinterpret_cast<HWND>(lParam), CControl::kControlProperty));
            return control != nullptr &&
                   control->HandleChildMessage(message, wParam, lParam, result);
        }
        default:
            return false;
    }
}

bool CPaintManager::TranslateMessage(const MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (root == nullptr || root == msg.hwnd) return false;
    for (CPaintManager* manager : Managers()) {
        if (manager->window_ != root) continue;
        for (ISkinMessageFilter* filter : manager->filters_) {
            bool handled = false;
            filter->MessageFilter(msg.message, msg.wParam, msg.lParam, handled);
            if (handled) return true;
        }
    }
    return false;
}
