#include "installer/src/progress_display.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDefaultDownloadScale = 0.7;
constexpr double kInstallStep = 0.15;
constexpr double kInstallStepCeiling = 0.95;
constexpr float kPatienceAfterSeconds = 60.0f;
constexpr size_t kTextLimit = 249;

constexpr wchar_t kShortWaitFormat[] = L"正在安装中:%d%%，请稍候...";
constexpr wchar_t kLongWaitFormat[] = L"正在安装中:%d%%，请耐心等待...";

double Clamp01(double value) { return std::isnan(value) ? 0.0 : std::clamp(value, 0.0, 1.0); }

// The fractions are decimal values that binary doubles only approximate:
// 0.5 x 0.7 x 100 lands a hair below 35 (more so with the x87's extended
// precision). A millionth of a percent absorbs that before truncating.
constexpr double kRoundingSlack = 1e-6;

int TruncatedPercent(double fraction) {
    return static_cast<int>(std::clamp(fraction * 100.0 + kRoundingSlack, 0.0, 100.0));
}

}  // namespace

double UsableDownloadScale(double configuredScale) {
    if (std::isnan(configuredScale)) return kDefaultDownloadScale;
    return Clamp01(configuredScale);
}

int DownloadPercent(double fraction, double scale) {
    return TruncatedPercent(Clamp01(fraction) * UsableDownloadScale(scale));
}

double NextInstallFraction(double displayed, double value) {
    const double stepped = std::min(displayed + kInstallStep, kInstallStepCeiling);
    const double reported = std::isnan(value) ? 0.0 : Clamp01(value);
    return std::max({displayed, stepped, reported});
}

int InstallPercent(double displayed, double scale) {
    const double share = UsableDownloadScale(scale);
    return TruncatedPercent((1.0 - share) * Clamp01(displayed) + share);
}

std::wstring ProgressText(const std::wstring& skinFormat, int percent, float downloadSeconds) {
    if (!skinFormat.empty()) return FormatPercent(skinFormat, percent);
    return FormatPercent(
        downloadSeconds > kPatienceAfterSeconds ? kLongWaitFormat : kShortWaitFormat, percent);
}

std::wstring FormatPercent(const std::wstring& format, int number) {
    std::wstring text;
    for (size_t i = 0; i < format.size(); ++i) {
        const bool conversion = format[i] == L'%' && i + 1 < format.size();
        if (conversion && format[i + 1] == L'%') {
            text += L'%';
            ++i;
        } else if (conversion && format[i + 1] == L'd') {
            text += std::to_wstring(number);
            ++i;
        } else {
            text += format[i];
        }
    }
    if (text.size() > kTextLimit) text.resize(kTextLimit);
    return text;
}
