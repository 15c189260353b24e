#include "diagnostic_log.h"

#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <limits>

namespace DiagnosticLog {
namespace {

bool EndsWithLineEnd(const wchar_t* text) {
    const size_t length = wcslen(text);
    return length > 0 && text[length - 1] == L'\n';
}

// Index one past the parameter list that starts at `open` (a '('), counting
// nested parentheses and template brackets.
size_t SkipBalanced(const std::string& text, size_t open) {
    int depth = 0;
    for (size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(' || text[i] == '<') ++depth;
        if (text[i] == ')' || text[i] == '>') --depth;
        if (depth == 0) return i + 1;
    }
    return text.size();
}

// One "name(params)" segment: returns the name and moves `pos` past the
// parameter list.
std::string TakeSegment(const std::string& text, size_t& pos) {
    const size_t start = pos;
    int angle = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '<') ++angle;
        if (c == '>') --angle;
        if (c == '(' && angle == 0) break;
        ++pos;
    }
    std::string name = text.substr(start, pos - start);
    if (pos < text.size()) pos = SkipBalanced(text, pos);
    return name;
}

struct Prefix {
    int processId;
    int threadId;
    SYSTEMTIME time;
    std::wstring function;
    int line;

    // Formats into `out` or, when `out` is null, only counts the characters.
    int Format(wchar_t* out, size_t size) const {
        if (out == nullptr) {
            return _scwprintf(kPrefixFormat, processId, threadId, time.wYear, time.wMonth,
                              time.wDay, time.wHour, time.wMinute, time.wSecond,
                              time.wMilliseconds, function.c_str(), line);
        }
        return _snwprintf(out, size, kPrefixFormat, processId, threadId, time.wYear,
                          time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond,
                          time.wMilliseconds, function.c_str(), line);
    }
};

}  // namespace

std::wstring QualifiedFunctionName(const char* prettyFunction) {
    const std::string text = prettyFunction;
    // The name starts after the return type: the last space at bracket depth
    // zero before the first parameter list.
    size_t nameStart = 0;
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '<' || c == '[') ++depth;
        if (c == '>' || c == ']') --depth;
        if (c == '(' && depth == 0) break;
        if (c == ' ' && depth == 0) nameStart = i + 1;
    }
    size_t pos = nameStart;
    std::string name = TakeSegment(text, pos);
    // Lambdas and local classes: "Outer()::<lambda()>" continues after "::".
    while (text.compare(pos, 2, "::") == 0) {
        pos += 2;
        std::string segment = text.substr(pos);
        if (segment.rfind("<lambda", 0) == 0) {
            name += "::" + segment.substr(0, SkipBalanced(segment, 0));
            break;
        }
        name += "::" + TakeSegment(text, pos);
    }
    return std::wstring(name.begin(), name.end());
}

std::wstring RecordFormat(const wchar_t* messageFormat) {
    std::wstring format = kPrefixFormat;
    format += messageFormat;
    if (!EndsWithLineEnd(messageFormat)) format += L"\r\n";
    return format;
}

void Write(const char* prettyFunction, int line, const wchar_t* messageFormat, ...) {
    Prefix prefix{static_cast<int>(GetCurrentProcessId()), static_cast<int>(GetCurrentThreadId()),
                  {}, QualifiedFunctionName(prettyFunction), line};
    GetLocalTime(&prefix.time);
    const wchar_t* lineEnd = EndsWithLineEnd(messageFormat) ? L"" : L"\r\n";

    const int prefixLength = prefix.Format(nullptr, 0);
    va_list args;
    va_start(args, messageFormat);
    va_list measureArgs;
    va_copy(measureArgs, args);
    const int messageLength = _vscwprintf(messageFormat, measureArgs);
    va_end(measureArgs);
    if (prefixLength < 0 || messageLength < 0 ||
        messageLength > std::numeric_limits<int>::max() - prefixLength - 4) {
        va_end(args);
        return;
    }
    const size_t capacity = static_cast<size_t>(prefixLength) + messageLength + 2 + 2;
    auto* buffer = static_cast<wchar_t*>(malloc(capacity * sizeof(wchar_t)));
    if (buffer == nullptr) {
        va_end(args);
        return;
    }
    prefix.Format(buffer, prefixLength + 1);
    _vsnwprintf(buffer + prefixLength, messageLength + 1, messageFormat, args);
    va_end(args);
    wcscpy(buffer + prefixLength + messageLength, lineEnd);
    OutputDebugStringW(buffer);
    free(buffer);
}

}  // namespace DiagnosticLog
