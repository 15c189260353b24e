#pragma once

// The labels of the installer's funnel reports, as the collector's funnel
// reports know them.

#include <string>

namespace Funnel {

// Task reports.
inline constexpr wchar_t kCurlInitFailed[] = L"libcurl初始化失败";
inline constexpr wchar_t kCrashExit[] = L"崩溃退出";
inline constexpr wchar_t kDownloaderStarted[] = L"下载器启动";
inline constexpr wchar_t kPackageDownloadStarted[] = L"开始下载大包";
inline constexpr wchar_t kPackageDownloaded[] = L"大包下载完毕";
inline constexpr wchar_t kInstallSucceeded[] = L"安装成功";
inline constexpr wchar_t kDownloadFailed[] = L"下载失败原因";
inline constexpr wchar_t kInstallFailed[] = L"安装失败原因";

// Click reports, one per reported button.
inline constexpr wchar_t kInstallNowClick[] = L"立即安装";
inline constexpr wchar_t kCustomInstallClick[] = L"自定义安装";
inline constexpr wchar_t kCustomInstallNowClick[] = L"自定义安装_立即安装";
inline constexpr wchar_t kOpenProductClick[] = L"立即体验";

// View reports.
inline constexpr wchar_t kInstallingView[] = L"安装中";

// The click label of the button named `controlName` in the skin; null for a
// button whose clicks are not reported.
const wchar_t* ClickLabelOf(const std::wstring& controlName);

}  // namespace Funnel
