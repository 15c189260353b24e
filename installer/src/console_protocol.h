#pragma once

// The key=value lines a setup package and an uninstaller print on their
// console, and what each one means to the installer. Each child speaks from
// a table of keys, matched in table order against the start of the line;
// a matching line becomes at most one event, may switch the code page the
// following lines are decoded in, and may give the verdict on the whole run.
// Lines that match no key are ignored.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

enum class Verdict { None, Success, Failure };

struct ConsoleEvent {
    int code;
    double value;
    std::wstring text;

    bool operator==(const ConsoleEvent& other) const {
        return code == other.code && value == other.value && text == other.text;
    }
};

struct LineOutcome {
    std::optional<ConsoleEvent> event;
    Verdict verdict = Verdict::None;
};

// How a key's value is scanned and what it turns into.
enum class LineKind {
    Number,        // "%lf": event with the number as value
    Count,         // "%d": event with the number, read as unsigned 32-bit, as value
    Text,          // "%[^\n]": event with the text
    ErrorText,     // "%[^\n]": failure event with the text; a failure verdict
    State,         // trimmed "Success" or "Fail": a verdict with its event
    Version,       // "%d.%d.%d": kept as the installed version; no event
    StartupStyle,  // trimmed style name: event with its number as value
    Encode,        // trimmed code page name: the code page of the next lines
};

struct LineRule {
    const wchar_t* key;
    LineKind kind;
    int code;  // the event's code, for the kinds that send one
};

// How the "Encode=" line names code pages.
enum class EncodeNames {
    NameOrNumber,  // "UTF8", "ACP" or a code page number; anything else changes nothing
    Utf8OrAcp,     // "UTF8"; anything else is the system ANSI code page
};

struct ProtocolTable {
    std::vector<LineRule> rules;   // in matching order
    int successCode;               // event of a "State=Success" line
    int failureCode;               // event of a "State=Fail" or "Error=" line
    const wchar_t* failStateText;  // text of the "State=Fail" event
    double errorLineValue;         // value of the "Error=" event
    EncodeNames encodeNames;
    // Whether lines after the first verdict still count. The package's
    // verdict ends its report; the uninstaller reports until it ends.
    bool linesAfterVerdictCount;
};

const ProtocolTable& PackageProtocolTable();
const ProtocolTable& UninstallerProtocolTable();

struct InstalledVersion {
    int major = 0;
    int minor = 0;
    int build = 0;
};

// Turns a child's lines into events, following one table. Keeps the state
// the lines build up: the output code page and the installed version.
class ConsoleProtocol {
public:
    // Text values longer than this are cut to it.
    static constexpr size_t kMaxTextLength = 771;

    explicit ConsoleProtocol(const ProtocolTable& table) : table_(table) {}

    LineOutcome ParseLine(const std::wstring& line);

    // The code page the next line is decoded with: 0 is the system ANSI
    // code page, 65001 UTF-8.
    UINT OutputCodePage() const { return codePage_; }
    const InstalledVersion& Version() const { return version_; }

private:
    LineOutcome Apply(const LineRule& rule, const std::wstring& value);
    LineOutcome ApplyState(const std::wstring& value) const;
    void ApplyEncode(const std::wstring& value);

    const ProtocolTable& table_;
    UINT codePage_ = 0;
    InstalledVersion version_;
};
