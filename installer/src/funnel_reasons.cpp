#include "installer/src/funnel_reasons.h"

#include <cstdio>

namespace Funnel {

namespace {

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

std::wstring CutText(const std::wstring& text, std::size_t maxLength) {
    if (text.size() <= maxLength) return text;
    std::size_t length = maxLength;
    if (length > 0 && IsHighSurrogate(text[length - 1])) --length;
    return text.substr(0, length);
}

std::wstring DownloadFailureReason(const DownloadFailureFacts& facts) {
    wchar_t gigabytes[64] = {};
    std::swprintf(gigabytes, 64, L"%.2f", facts.freeGigabytes);
    const std::wstring head = L"1.code=" + std::to_wstring(facts.eventCode) + L"；2.msg=";
    const std::wstring tail = std::wstring(L"；3.缓存磁盘容量=") + gigabytes +
                              L"G；4.缓存读写权限=" + facts.writePermission +
                              L"；5.服务器连接状态code=" + std::to_wstring(facts.connectionCode);
    // A long message is shortened rather than the measurements after it,
    // which are what the report is for.
    const std::size_t frame = head.size() + tail.size();
    const std::size_t room = frame < kMaxReasonLength ? kMaxReasonLength - frame : 0;
    return CutText(head + CutText(facts.eventText, room) + tail);
}

}  // namespace Funnel
