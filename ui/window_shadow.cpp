#include "ui/window_shadow.h"

#include <algorithm>
#include <vector>

#include "ui/framework/gdi_handles.h"
#include "ui/framework/image_painter.h"
#include "ui/framework/surface.h"

namespace {

using UpdateLayeredWindowFunction = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                                  BLENDFUNCTION*, DWORD);

UpdateLayeredWindowFunction updateLayeredWindow = nullptr;
HINSTANCE shadowInstance = nullptr;

// The shadows being followed, found by owner inside the subclass procedure.
// An entry keeps the owner's previous procedure even after its shadow object
// is gone, so the owner's messages still reach their own procedure.
struct FollowedOwner {
    HWND owner;
    CWndShadow* shadow;
    WNDPROC previousProc;
};

std::vector<FollowedOwner>& FollowedOwners() {
    static std::vector<FollowedOwner> owners;
    return owners;
}

std::vector<FollowedOwner>::iterator FindOwner(HWND owner) {
    auto& owners = FollowedOwners();
    return std::find_if(owners.begin(), owners.end(),
                        [owner](const FollowedOwner& entry) { return entry.owner == owner; });
}

LRESULT CALLBACK ShadowWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Clicks go through (WS_EX_TRANSPARENT) and never activate the shadow.
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<RowSpan> OwnerShape(HWND owner, int width, int height) {
    SkinUI::ScopedRegion region(CreateRectRgn(0, 0, 0, 0));
    std::vector<RECT> rects;
    if (region && GetWindowRgn(owner, region.Get()) != ERROR) {
        const DWORD bytes = GetRegionData(region.Get(), 0, nullptr);
        std::vector<char> buffer(bytes);
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        if (bytes >= sizeof(RGNDATAHEADER) && GetRegionData(region.Get(), bytes, data) == bytes) {
            const auto* first = reinterpret_cast<const RECT*>(data->Buffer);
            rects.assign(first, first + data->rdh.nCount);
        }
    }
    return RowSpansOfRects(rects, width, height);
}

SkinUI::Edges operator+(const SkinUI::Edges& a, const SkinUI::Edges& b) {
    return {a.left + b.left, a.top + b.top, a.right + b.right, a.bottom + b.bottom};
}

}  // namespace

bool CWndShadow::Initialize(HINSTANCE instance) {
    if (updateLayeredWindow != nullptr) return false;
    const HMODULE user32 = GetModuleHandleW(L"USER32.DLL");
    const FARPROC address = user32 ? GetProcAddress(user32, "UpdateLayeredWindow") : nullptr;
    if (address == nullptr) return false;
    shadowInstance = instance;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = ShadowWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassExW(&windowClass) == 0) return false;
    // Through void(*)() because the exact signature is ours to state.
    updateLayeredWindow =
        reinterpret_cast<UpdateLayeredWindowFunction>(reinterpret_cast<void (*)()>(address));
    return true;
}

CWndShadow::~CWndShadow() {
    const auto entry = FindOwner(owner_);
    if (entry != FollowedOwners().end()) entry->shadow = nullptr;
    if (shadow_ != nullptr && IsWindow(shadow_)) PostMessageW(shadow_, WM_CLOSE, 0, 0);
}

void CWndShadow::Create(HWND owner) {
    if (updateLayeredWindow == nullptr || shadow_ != nullptr || !IsWindow(owner)) return;
    if (FindOwner(owner) != FollowedOwners().end()) return;
    shadow_ =
        CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT, kWindowClass, nullptr, WS_POPUPWINDOW,
                        CW_USEDEFAULT, 0, 0, 0, owner, nullptr, shadowInstance, nullptr);
    if (shadow_ == nullptr) return;
    owner_ = owner;

    const LONG style = GetWindowLongW(owner, GWL_STYLE);
    if ((style & WS_VISIBLE) == 0) {
        status_ = kEnabled;
    } else if ((style & (WS_MAXIMIZE | WS_MINIMIZE)) != 0) {
        status_ = kEnabled | kOwnerVisible;
    } else {
        status_ = kEnabled | kVisible | kOwnerVisible;
        ShowWindow(shadow_, SW_SHOWNOACTIVATE);
        Update();
    }

    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(owner, GWLP_WNDPROC));
    FollowedOwners().push_back({owner, this, previous});
    SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWndShadow::OwnerProc));
}

bool CWndShadow::SetSize(int size) {
    if (size < -20 || size > 20) return false;
    shape_.size = size;
    return Changed();
}

bool CWndShadow::SetSharpness(int sharpness) {
    if (sharpness < 0 || sharpness > 20) return false;
    shape_.sharpness = sharpness;
    return Changed();
}

bool CWndShadow::SetDarkness(int darkness) {
    if (darkness < 0 || darkness > 255) return false;
    shape_.darkness = darkness;
    return Changed();
}

bool CWndShadow::SetPosition(int x, int y) {
    if (x < -20 || x > 20 || y < -20 || y > 20) return false;
    shape_.xOffset = x;
    shape_.yOffset = y;
    return Changed();
}

bool CWndShadow::SetColor(COLORREF color) {
    shape_.color = color & 0xFFFFFF;
    return Changed();
}

bool CWndShadow::SetImage(const std::wstring& path, const SkinUI::Edges& holeOffset,
                          const SkinUI::Edges& corner) {
    auto image = SkinUI::LoadSkinImage(path);
    if (!image) return false;
    image_ = std::move(image);
    holeOffset_ = holeOffset;
    imageCorner_ = corner;
    return Changed();
}

bool CWndShadow::Changed() {
    if (IsShown()) Update();
    return true;
}

LRESULT CALLBACK CWndShadow::OwnerProc(HWND owner, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto entry = FindOwner(owner);
    if (entry == FollowedOwners().end()) return DefWindowProcW(owner, message, wParam, lParam);
    const WNDPROC previous = entry->previousProc;
    if (entry->shadow != nullptr) entry->shadow->OnOwnerMessage(owner, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        FollowedOwners().erase(FindOwner(owner));
    }
    return CallWindowProcW(previous, owner, message, wParam, lParam);
}

void CWndShadow::OnOwnerMessage(HWND owner, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOVE:
            if (IsShown()) {
                RECT ownerRect{};
                GetWindowRect(owner, &ownerRect);
                const POINT origin = Origin(ownerRect);
                SetWindowPos(shadow_, nullptr, origin.x, origin.y, 0, 0,
                             SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER);
            }
            break;
        case WM_SIZE:
            OnOwnerSize(wParam, lParam);
            break;
        case WM_PAINT:
            if (updatePending_) {
                Update();
                updatePending_ = false;
            }
            break;
        case WM_EXITSIZEMOVE:
        case WM_ACTIVATE:
            if (IsShown()) Update();
            break;
        case WM_SHOWWINDOW:
            if ((status_ & kEnabled) == 0) break;
            if (wParam == 0) {
                Hide();
                status_ &= ~kOwnerVisible;
            } else if ((status_ & kOwnerVisible) == 0) {
                updatePending_ = true;
                Show();
                status_ |= kOwnerVisible;
            }
            break;
        case WM_DESTROY:
            if (shadow_ != nullptr) DestroyWindow(shadow_);
            shadow_ = nullptr;
            break;
        case WM_NCDESTROY:
            owner_ = nullptr;
            break;
        default:
            break;
    }
}

void CWndShadow::OnOwnerSize(WPARAM kind, LPARAM size) {
    if ((status_ & kEnabled) == 0) return;
    if (kind == SIZE_MAXIMIZED || kind == SIZE_MINIMIZED) {
        Hide();
    } else if ((status_ & kOwnerVisible) != 0) {
        // Shrinking is drawn at once; growing waits for the owner's next
        // paint, when its region fits the new size.
        const bool grew = LOWORD(size) > LOWORD(lastSize_) || HIWORD(size) > HIWORD(lastSize_);
        if (grew) {
            updatePending_ = true;
        } else {
            Update();
        }
        Show();
    }
    lastSize_ = size;
}

void CWndShadow::Show() {
    if (IsShown()) return;
    ShowWindow(shadow_, SW_SHOWNOACTIVATE);
    status_ |= kVisible;
}

void CWndShadow::Hide() {
    ShowWindow(shadow_, SW_HIDE);
    status_ &= ~kVisible;
}

POINT CWndShadow::Origin(const RECT& ownerRect) const {
    if (image_) return {ownerRect.left - holeOffset_.left, ownerRect.top - holeOffset_.top};
    return {ownerRect.left + shape_.xOffset - shape_.size,
            ownerRect.top + shape_.yOffset - shape_.size};
}

SIZE CWndShadow::ShadowSize(SIZE ownerSize) const {
    if (image_) {
        return {ownerSize.cx + holeOffset_.left + holeOffset_.right,
                ownerSize.cy + holeOffset_.top + holeOffset_.bottom};
    }
    return {ownerSize.cx + 2 * shape_.size, ownerSize.cy + 2 * shape_.size};
}

void CWndShadow::Update() {
    if (shadow_ == nullptr || owner_ == nullptr) return;
    RECT ownerRect{};
    GetWindowRect(owner_, &ownerRect);
    const SIZE ownerSize{SkinUI::Width(ownerRect), SkinUI::Height(ownerRect)};
    SIZE size = ShadowSize(ownerSize);
    if (size.cx <= 0 || size.cy <= 0) return;
    SkinUI::Surface surface;
    if (!surface.Resize(size)) return;
    if (image_) {
        SkinUI::Canvas canvas = surface.MakeCanvas();
        SkinUI::NinePatchStyle style;
        style.corner = imageCorner_ + holeOffset_;
        style.hole = true;
        SkinUI::DrawNinePatch(canvas, *image_, RECT{0, 0, size.cx, size.cy}, style);
    } else {
        const std::vector<uint32_t> pixels = ComputeShadowPixels(
            OwnerShape(owner_, ownerSize.cx, ownerSize.cy), ownerSize.cx, ownerSize.cy, shape_);
        std::copy(pixels.begin(), pixels.end(), surface.Bits());
    }
    POINT origin = Origin(ownerRect);
    SetWindowPos(shadow_, nullptr, origin.x, origin.y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    updateLayeredWindow(shadow_, nullptr, &origin, &size, surface.DC(), &source, 0, &blend,
                        ULW_ALPHA);
}
