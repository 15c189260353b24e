#include "ui/skin_frame.h"

#include "resources/resource_ids.h"
#include "ui/framework/resource_source.h"
#include "ui/shadow_attributes.h"

SkinDescription InstallerSkin(const std::wstring& skinFile) {
    return SkinDescription{SkinUI::kSkinInResourceArchive, IDR_SKIN_ARCHIVE, L"", skinFile,
                           skinFile.substr(0, skinFile.rfind(L'.'))};
}

CSkinFrame::CSkinFrame(SkinDescription skin) : skin_(std::move(skin)) {}

LRESULT CSkinFrame::MessageFilter(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    if (message == WM_KEYDOWN && wParam == VK_ESCAPE) {
        handled = true;
        return 0;
    }
    return SkinWindowBase::MessageFilter(message, wParam, lParam, handled);
}

void CSkinFrame::InitWindow() {
    HWND window = GetHWND();
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, style & ~(WS_CAPTION | WS_MAXIMIZEBOX));
    ConfigureShadow(shadow_, window,
                    [this](const std::wstring& name) { return GetWindowAttribute(name); });
}
