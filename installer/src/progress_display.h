#pragma once

// The arithmetic and wording of the progress page: the download fills the
// first share of the bar, the installation the rest, and the text under the
// animation names the percentage.

#include <string>

// The share of the bar given to the download. A scale that is not a number
// (a "-downloadscale" switch that does not start with one) falls back to the
// built-in 0.7; any other value is held inside 0..1, so the bar never runs
// backwards or past its end.
double UsableDownloadScale(double configuredScale);

// Percentage shown for a download that is `fraction` done.
int DownloadPercent(double fraction, double scale);

// The displayed installation fraction after a progress report of `value`:
// every report moves it on by 0.15 up to 0.95, and a larger reported value
// takes over. It never shrinks. Reports that are not numbers only move it on.
double NextInstallFraction(double displayed, double value);

// Percentage shown for a displayed installation fraction.
int InstallPercent(double displayed, double scale);

// The progress text for `percent`: the skin's own wording (the user data of
// the progress label) when it has one, otherwise the built-in wording, which
// asks for patience once the download has run for more than a minute.
std::wstring ProgressText(const std::wstring& skinFormat, int percent, float downloadSeconds);

// Fills `format` as the C runtime would for one integer: "%d" takes
// `number`, "%%" gives "%". Any other conversion is left as written, so a
// format from the skin can never read an argument that is not there. The
// result is cut to 249 characters.
std::wstring FormatPercent(const std::wstring& format, int number);

// The text and bar value that an installation failure leaves behind: a bar
// at 70 or more is set back to 0 with the opening text.
inline constexpr int kFailureResetThreshold = 70;
inline constexpr wchar_t kInitialProgressText[] = L"正在安装中:0%，请稍候...";
