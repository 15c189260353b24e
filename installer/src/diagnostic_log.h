#pragma once

// Diagnostic records for developers, written to the system's debug-output
// channel (OutputDebugStringW). Every record starts with the process, the
// thread, the local time, the writing function and the source line:
//
//   <P01234><T00056><2026-03-01 09:05:07.042>(CDownloadInstaller::Start)<0042>: message
//
// and ends with "\r\n" unless the message format brings its own line end.
//
//   QLOG(L"DL_TYPE=%d\r\n", type);
//
// Formats follow the C runtime's wide printf: "%s" takes a wide string.

#include <string>

namespace DiagnosticLog {

// The fixed record prefix shared by every writing site.
inline constexpr wchar_t kPrefixFormat[] =
    L"<P%05d><T%05d><%04d-%02d-%02d %02d:%02d:%02d.%03d>(%s)<%04d>: ";

// Turns the compiler's pretty function signature into the qualified name
// shown in records: "void CDownloadInstaller::Start()" gives
// "CDownloadInstaller::Start"; a lambda inside it gives
// "CDownloadInstaller::Start::<lambda()>".
std::wstring QualifiedFunctionName(const char* prettyFunction);

// The full record format a site uses: prefix, message format, line end.
std::wstring RecordFormat(const wchar_t* messageFormat);

// Formats one record and emits it; called through QLOG.
void Write(const char* prettyFunction, int line, const wchar_t* messageFormat, ...);

}  // namespace DiagnosticLog

#define QLOG(format, ...) ::DiagnosticLog::Write(__PRETTY_FUNCTION__, __LINE__, format, ##__VA_ARGS__)
