#include "installer/src/message_box_wnd.h"

#include "installer/src/installer_window_style.h"

CMessageBoxWnd::CMessageBoxWnd(const std::wstring& skinFile)
    : CSkinFrame(InstallerSkin(skinFile)) {}

CMessageBoxWnd::Result CMessageBoxWnd::Show(HWND parent, const std::wstring& skinFile,
                                            const std::optional<std::wstring>& text,
                                            const std::optional<std::wstring>& caption) {
    CMessageBoxWnd dialog(skinFile);
    if (dialog.Create(parent, L"消息框", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0) == nullptr) {
        return kCancelOrClose;
    }
    if (text && dialog.textLabel_ != nullptr) dialog.textLabel_->SetText(*text);
    if (caption && dialog.captionLabel_ != nullptr) dialog.captionLabel_->SetText(*caption);
    dialog.CenterWindow();
    dialog.ShowModal();
    return dialog.result_;
}

void CMessageBoxWnd::InitWindow() {
    CSkinFrame::InitWindow();
    ApplyInstallerWindowStyle(GetHWND());
    okButton_ = FindControl(L"okBtn");
    cancelButton_ = FindControl(L"cancelBtn");
    textLabel_ = FindControl(L"textLbl");
    captionLabel_ = FindControl(L"captionLbl");
}

void CMessageBoxWnd::OnClick(const NotifyMsg& msg) {
    if (msg.sender != nullptr && msg.sender == okButton_) {
        result_ = kOk;
        Close(1);
    } else if (msg.sender != nullptr && msg.sender == cancelButton_) {
        result_ = kCancelOrClose;
        Close(1);
    } else {
        CSkinFrame::OnClick(msg);
        result_ = kOtherButton;
    }
}
