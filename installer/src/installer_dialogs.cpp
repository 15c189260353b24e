#include "installer/src/installer_dialogs.h"

#include "installer/src/message_box_wnd.h"

namespace Dialogs {

namespace {

constexpr wchar_t kMessageLayout[] = L"MessageBox1Wnd.xml";
constexpr wchar_t kNoticeLayout[] = L"MessageBox2Wnd.xml";
constexpr wchar_t kExistingInstallationLayout[] = L"InstalledPathTipWnd.xml";
constexpr wchar_t kNetworkLayout[] = L"NetworkTipWnd.xml";
constexpr wchar_t kExitLayout[] = L"ExitTipWnd.xml";

}  // namespace

void ShowProductRunning(HWND parent) {
    CMessageBoxWnd::Show(parent, kMessageLayout, kRunningProductText, kNoticeCaption);
}

void ShowPackageMessage(HWND parent, const std::wstring& text) {
    CMessageBoxWnd::Show(parent, kMessageLayout, text, std::wstring(L"消息"));
}

void ShowNotice(HWND parent, const std::wstring& text) {
    CMessageBoxWnd::Show(parent, kNoticeLayout, text, kNoticeCaption);
}

ExistingInstallationAnswer AskAboutExistingInstallation(HWND parent) {
    switch (CMessageBoxWnd::Show(parent, kExistingInstallationLayout)) {
        case CMessageBoxWnd::kOk:
            return ExistingInstallationAnswer::kInstallLatest;
        case CMessageBoxWnd::kCancelOrClose:
            return ExistingInstallationAnswer::kOpenProduct;
        default:
            return ExistingInstallationAnswer::kQuit;
    }
}

DownloadFailureAnswer AskAfterDownloadFailure(HWND parent) {
    switch (CMessageBoxWnd::Show(parent, kNetworkLayout)) {
        case CMessageBoxWnd::kOk:
            return DownloadFailureAnswer::kRetry;
        case CMessageBoxWnd::kCancelOrClose:
            return DownloadFailureAnswer::kLater;
        default:
            return DownloadFailureAnswer::kBack;
    }
}

bool ConfirmExit(HWND parent) {
    return CMessageBoxWnd::Show(parent, kExitLayout) == CMessageBoxWnd::kOk;
}

}  // namespace Dialogs
