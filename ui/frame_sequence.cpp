#include "ui/frame_sequence.h"

#include <algorithm>
#include <cwchar>
#include <string_view>

#include "ui/framework/attribute_parsing.h"

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Skips up to three digits at `i`; false when there are more (a field width
// or precision that large is no frame number).
bool SkipShortNumber(const std::wstring& text, size_t& i) {
    size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) ++digits;
    return digits <= 3;
}

// The pattern is handed to swprintf, so it must hold exactly one conversion
// and that one must take an int; anything else would read arguments that
// were never passed.
bool HasOneIntegerConversion(const std::wstring& pattern) {
    constexpr std::wstring_view kFlags = L"-+ 0#";
    constexpr std::wstring_view kIntegerTypes = L"diuoxX";
    int conversions = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != L'%') continue;
        ++i;
        if (i < pattern.size() && pattern[i] == L'%') continue;
        while (i < pattern.size() && kFlags.find(pattern[i]) != std::wstring_view::npos) ++i;
        if (!SkipShortNumber(pattern, i)) return false;
        if (i < pattern.size() && pattern[i] == L'.') {
            ++i;
            if (!SkipShortNumber(pattern, i)) return false;
        }
        if (i >= pattern.size() || kIntegerTypes.find(pattern[i]) == std::wstring_view::npos) {
            return false;
        }
        ++conversions;
    }
    return conversions == 1;
}

// Flags are on unless the value is exactly "false".
bool FlagValue(const std::wstring& value) { return value != L"false"; }

bool NameIs(const std::wstring& name, const wchar_t* expected) {
    return _wcsicmp(name.c_str(), expected) == 0;
}

}  // namespace

bool FrameSequence::ApplyAttribute(const std::wstring& name, const std::wstring& value) {
    if (name == L"sequencebkimage") {
        SetPattern(value);
    } else if (NameIs(name, L"sequencecount")) {
        SetCount(SkinUI::ParseInt(value).value_or(count_));
    } else if (NameIs(name, L"sequencespan")) {
        SetSpan(SkinUI::ParseInt(value).value_or(span_));
    } else if (NameIs(name, L"sequenceloop")) {
        loop_ = FlagValue(value);
    } else if (NameIs(name, L"autostart")) {
        autoStart_ = FlagValue(value);
    } else if (NameIs(name, L"sequenceround")) {
        roundTrip_ = FlagValue(value);
    } else {
        return false;
    }
    return true;
}

FrameSequence::Step FrameSequence::Advance() {
    if (pattern_.empty() || count_ <= 0) return {};
    if (forward_ && current_ > count_ - 1) {
        if (roundTrip_) {
            forward_ = false;
            // One frame has no way back: stay on it.
            current_ = std::max(count_ - 2, 0);
        } else {
            current_ = 0;
            if (!loop_) return {std::nullopt, true};
        }
    }
    if (!forward_ && current_ == 0) {
        if (roundTrip_) forward_ = true;
        if (!loop_) return {std::nullopt, true};
    }
    auto frame = FrameName(pattern_, current_);
    if (!frame) return {};
    current_ += forward_ ? 1 : -1;
    return {std::move(frame), false};
}

std::optional<std::wstring> FrameSequence::FrameName(const std::wstring& pattern, int frame) {
    if (!HasOneIntegerConversion(pattern)) return std::nullopt;
    wchar_t buffer[kMaxFrameNameLength];
    const int length = std::swprintf(buffer, kMaxFrameNameLength, pattern.c_str(), frame);
    if (length < 0 || static_cast<size_t>(length) >= kMaxFrameNameLength) return std::nullopt;
    return std::wstring(buffer, static_cast<size_t>(length));
}
