#pragma once

// The events the package runner and the uninstaller runner report to their
// owner: one callback with (code, value, text), called on the runner's
// worker thread in the order the child printed its lines.

#include <functional>
#include <string>

using RunnerCallback = std::function<void(int code, double value, const std::wstring& text)>;

namespace RunnerEvent {

// Installation by the setup package.
constexpr int IST_CODE_START = 2001;
constexpr int IST_CODE_PROGRESS = 2002;
constexpr int INSTALL_SUCCESS = 2003;
constexpr int IST_CODE_FAIL = 2004;

// What the package tells about the installed product.
constexpr int INST_PATH = 3000;
constexpr int EXE_PATH = 3001;
constexpr int UNINST_EXE_PATH = 3002;
constexpr int UNINST_EP = 3003;
constexpr int START_URL = 3004;
constexpr int STARTUP_STYLE = 3005;
constexpr int TOP_SHOW_DETENTION = 3007;
constexpr int FINISH_CLOSE_DETENTION = 3008;
constexpr int MESSAGE = 3009;

// Removal of an earlier installation by its uninstaller.
constexpr int UNIST_CODE_PROGRESS = 5002;
constexpr int UNIST_CODE_SUCCESS = 5003;
constexpr int UNIST_CODE_FAIL = 5004;
constexpr int UNIST_CODE_ERROR = 5005;

// Values of INSTALL_SUCCESS and UNIST_CODE_SUCCESS.
constexpr double kStateLineSuccess = 0.0;
constexpr double kEndedWithoutState = 1.0;

// Values of IST_CODE_FAIL.
constexpr double kStateLineFail = 0.0;
constexpr double kErrorLine = 1000.0;
constexpr double kStartFailed = 2.0;
// The child ended with a non-zero exit code (a crash included) and printed
// no state: its exit code is the only word it left.
constexpr double kAbnormalExit = 3.0;

// Values of UNIST_CODE_FAIL.
constexpr double kUninstallerMissing = 1.0;
// kStartFailed (2.0) as for the package.

// The events that end a run: the runners hold them back until the child
// has ended, so that its program file is free and its work finished when
// the owner acts on them.
inline bool IsVerdict(int code) {
    return code == INSTALL_SUCCESS || code == IST_CODE_FAIL || code == UNIST_CODE_SUCCESS ||
           code == UNIST_CODE_ERROR;
}

inline constexpr wchar_t kPackageFailedText[] = L"安装包安装失败";
inline constexpr wchar_t kUninstallFailedText[] = L"安装包卸载失败";
inline constexpr wchar_t kUninstallerMissingText[] = L"可执行卸载文件不存在";

}  // namespace RunnerEvent
