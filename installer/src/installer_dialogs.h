#pragma once

// Every question and message the installer puts to the user, each with its
// layout, caption and wording, and the answers as the caller needs them.

#include <windows.h>

#include <string>

namespace Dialogs {

inline constexpr wchar_t kNoticeCaption[] = L"温馨提示";
inline constexpr wchar_t kRunningProductText[] =
    L"安装程序检测到Quillora\r\n正在运行，请退出程序后再安装";
inline constexpr wchar_t kInvalidPathText[] = L"无效路径";
inline constexpr wchar_t kLowSpaceText[] = L"当前磁盘剩余空间低于1GB，请修改安装路径";
inline constexpr wchar_t kPoorNetworkText[] = L"当前网络环境较差，请在网络通畅时进行安装";
inline constexpr wchar_t kInstallFailedText[] = L"安装失败";

// The product or its old uninstaller runs.
void ShowProductRunning(HWND parent);

// A "Message=" line of the setup package, under the caption "消息".
void ShowPackageMessage(HWND parent, const std::wstring& text);

// A notice under the caption "温馨提示" in the second message layout: a
// folder that cannot be used, a poor network, a failed installation.
void ShowNotice(HWND parent, const std::wstring& text);

enum class ExistingInstallationAnswer {
    kInstallLatest,  // "安装最新版本"
    kOpenProduct,    // "打开软件", also when the prompt is closed otherwise
    kQuit,           // the close button
};
ExistingInstallationAnswer AskAboutExistingInstallation(HWND parent);

enum class DownloadFailureAnswer {
    kRetry,  // "重新安装"
    kLater,  // "稍后再试", also when the prompt is closed otherwise
    kBack,   // the close button
};
DownloadFailureAnswer AskAfterDownloadFailure(HWND parent);

// Whether the user confirms leaving the installer ("是").
bool ConfirmExit(HWND parent);

}  // namespace Dialogs
