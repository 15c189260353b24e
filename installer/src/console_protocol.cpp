#include "installer/src/console_protocol.h"

#include <cmath>
#include <cstdint>
#include <cwctype>

#include "installer/src/diagnostic_log.h"
#include "installer/src/runner_events.h"

namespace {

constexpr UINT kUtf8CodePage = 65001;

std::wstring Trimmed(const std::wstring& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && std::iswspace(text[begin])) ++begin;
    while (end > begin && std::iswspace(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// "%lf": a number that does not scan, or is not finite, counts as 0.
double ScanNumber(const std::wstring& value) {
    const wchar_t* begin = value.c_str();
    wchar_t* end = nullptr;
    const double number = std::wcstod(begin, &end);
    return end != begin && std::isfinite(number) ? number : 0.0;
}

// "%d" at `cursor`, which moves past the number; nothing when no number is
// there. Numbers beyond 32 bits keep their low 32 bits.
std::optional<int32_t> ScanInt(const wchar_t*& cursor) {
    wchar_t* end = nullptr;
    const long long number = std::wcstoll(cursor, &end, 10);
    if (end == cursor) return std::nullopt;
    cursor = end;
    return static_cast<int32_t>(static_cast<uint32_t>(number));
}

// "%d.%d.%d": the parts after the first one that does not scan stay 0.
InstalledVersion ScanVersion(const std::wstring& value) {
    InstalledVersion version;
    int* parts[] = {&version.major, &version.minor, &version.build};
    const wchar_t* cursor = value.c_str();
    for (size_t i = 0; i < 3; ++i) {
        if (i > 0 && *cursor++ != L'.') break;
        const auto part = ScanInt(cursor);
        if (!part) break;
        *parts[i] = *part;
    }
    return version;
}

double ScanCount(const std::wstring& value) {
    const wchar_t* cursor = value.c_str();
    const auto number = ScanInt(cursor);
    return number ? static_cast<double>(static_cast<uint32_t>(*number)) : 0.0;
}

std::wstring ScanText(const std::wstring& value) {
    return value.substr(0, ConsoleProtocol::kMaxTextLength);
}

double StartupStyleNumber(const std::wstring& value) {
    const std::wstring style = Trimmed(value);
    if (style == L"AutoStartup") return 1.0;
    if (style == L"UserStartup") return 2.0;
    return 0.0;  // "NonStartup" and any word the installer does not know
}

}  // namespace

const ProtocolTable& PackageProtocolTable() {
    using namespace RunnerEvent;
    static const ProtocolTable table{
        {
            {L"Progress=", LineKind::Number, IST_CODE_PROGRESS},
            {L"InstPath=", LineKind::Text, INST_PATH},
            {L"State=", LineKind::State, 0},
            {L"InstallVersion=", LineKind::Version, 0},
            {L"ExePath=", LineKind::Text, EXE_PATH},
            {L"StartExe=", LineKind::Text, EXE_PATH},
            {L"UninstExePath=", LineKind::Text, UNINST_EXE_PATH},
            {L"UninstExe=", LineKind::Text, UNINST_EXE_PATH},
            {L"UninstEp=", LineKind::Text, UNINST_EP},
            {L"Error=", LineKind::ErrorText, IST_CODE_FAIL},
            {L"TopShowDetention=", LineKind::Count, TOP_SHOW_DETENTION},
            // The package prints this key with "Finsih".
            {L"FinsihCloseDetention=", LineKind::Count, FINISH_CLOSE_DETENTION},
            {L"StartUrl=", LineKind::Text, START_URL},
            {L"StartupStyle=", LineKind::StartupStyle, STARTUP_STYLE},
            {L"Encode=", LineKind::Encode, 0},
            {L"Message=", LineKind::Text, MESSAGE},
        },
        INSTALL_SUCCESS,
        IST_CODE_FAIL,
        kPackageFailedText,
        kErrorLine,
        EncodeNames::NameOrNumber,
        false,
    };
    return table;
}

const ProtocolTable& UninstallerProtocolTable() {
    using namespace RunnerEvent;
    static const ProtocolTable table{
        {
            {L"Progress=", LineKind::Number, UNIST_CODE_PROGRESS},
            {L"Error=", LineKind::ErrorText, UNIST_CODE_ERROR},
            {L"State=", LineKind::State, 0},
            {L"Encode=", LineKind::Encode, 0},
        },
        UNIST_CODE_SUCCESS,
        UNIST_CODE_ERROR,
        kUninstallFailedText,
        0.0,
        EncodeNames::Utf8OrAcp,
        true,
    };
    return table;
}

LineOutcome ConsoleProtocol::ParseLine(const std::wstring& line) {
    for (const LineRule& rule : table_.rules) {
        const std::wstring key = rule.key;
        if (line.compare(0, key.size(), key) == 0) return Apply(rule, line.substr(key.size()));
    }
    return {};
}

LineOutcome ConsoleProtocol::Apply(const LineRule& rule, const std::wstring& value) {
    switch (rule.kind) {
        case LineKind::Number:
            return {ConsoleEvent{rule.code, ScanNumber(value), {}}};
        case LineKind::Count:
            return {ConsoleEvent{rule.code, ScanCount(value), {}}};
        case LineKind::Text:
            return {ConsoleEvent{rule.code, 0.0, ScanText(value)}};
        case LineKind::ErrorText:
            return {ConsoleEvent{rule.code, table_.errorLineValue, ScanText(value)},
                    Verdict::Failure};
        case LineKind::State:
            return ApplyState(value);
        case LineKind::Version:
            version_ = ScanVersion(value);
            return {};
        case LineKind::StartupStyle:
            return {ConsoleEvent{rule.code, StartupStyleNumber(value), {}}};
        case LineKind::Encode:
            ApplyEncode(value);
            return {};
    }
    return {};
}

LineOutcome ConsoleProtocol::ApplyState(const std::wstring& value) const {
    const std::wstring state = Trimmed(value);
    if (state == L"Success") {
        return {ConsoleEvent{table_.successCode, RunnerEvent::kStateLineSuccess, {}},
                Verdict::Success};
    }
    if (state == L"Fail") {
        return {ConsoleEvent{table_.failureCode, RunnerEvent::kStateLineFail, table_.failStateText},
                Verdict::Failure};
    }
    return {};
}

void ConsoleProtocol::ApplyEncode(const std::wstring& value) {
    const std::wstring name = Trimmed(value);
    if (name == L"UTF8") {
        codePage_ = kUtf8CodePage;
    } else if (table_.encodeNames == EncodeNames::Utf8OrAcp || name == L"ACP") {
        codePage_ = CP_ACP;
    } else {
        const wchar_t* cursor = name.c_str();
        const auto number = ScanInt(cursor);
        if (!number) return;
        const UINT codePage = static_cast<UINT>(*number);
        // A code page the system cannot decode would turn every later line,
        // the verdict included, into nothing.
        if (codePage != CP_ACP && !IsValidCodePage(codePage)) {
            QLOG(L"Ignoring unknown output code page %u", codePage);
            return;
        }
        codePage_ = codePage;
    }
}
