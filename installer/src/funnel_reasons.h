#pragma once

// The detail text of the download failure report, at most 199 characters:
// the room the collector's funnel reports give it.

#include <cstddef>
#include <string>

namespace Funnel {

inline constexpr std::size_t kMaxReasonLength = 199;

// `text` cut to at most `maxLength` UTF-16 units, never between the two
// halves of a surrogate pair.
std::wstring CutText(const std::wstring& text, std::size_t maxLength = kMaxReasonLength);

// What a download failure report tells about the machine.
struct DownloadFailureFacts {
    long eventCode = 0;  // the event value truncated to an integer
    std::wstring eventText;
    double freeGigabytes = 0;
    std::wstring writePermission;  // kWritable or kNotWritable
    int connectionCode = 0;        // Utils::CheckNetwork's answer
};

inline constexpr wchar_t kWritable[] = L"可读";
inline constexpr wchar_t kNotWritable[] = L"无权限";

// "1.code=…；2.msg=…；3.缓存磁盘容量=1.50G；4.缓存读写权限=可读；5.服务器连接状态code=…"
std::wstring DownloadFailureReason(const DownloadFailureFacts& facts);

}  // namespace Funnel
