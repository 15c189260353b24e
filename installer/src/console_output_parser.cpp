#include "installer/src/console_output_parser.h"

#include <cstring>
#include <utility>

#include "installer/src/diagnostic_log.h"
#include "utils/text_encoding.h"

std::wstring DecodeConsoleLine(const std::string& bytes, UINT codePage) {
    return Utils::CodePageToWide(bytes.substr(0, strnlen(bytes.c_str(), bytes.size())), codePage);
}

ConsoleOutputParser::ConsoleOutputParser(const ProtocolTable& table, EventSink sink)
    : table_(table), sink_(std::move(sink)), protocol_(table) {}

void ConsoleOutputParser::Feed(const char* data, size_t size) {
    HandleLines(splitter_.Feed(data, size));
}

void ConsoleOutputParser::Finish() {
    HandleLines(splitter_.Finish());
    if (splitter_.CutLines() > 0) {
        QLOG(L"%u console lines were longer than %u bytes and were cut",
             static_cast<unsigned>(splitter_.CutLines()),
             static_cast<unsigned>(ConsoleLineSplitter::kMaxLineBytes));
    }
}

void ConsoleOutputParser::HandleLines(const std::vector<std::string>& lines) {
    for (const std::string& bytes : lines) {
        if (gaveVerdict_ && !table_.linesAfterVerdictCount) return;
        const LineOutcome outcome =
            protocol_.ParseLine(DecodeConsoleLine(bytes, protocol_.OutputCodePage()));
        if (outcome.verdict != Verdict::None) gaveVerdict_ = true;
        if (outcome.event) sink_(*outcome.event);
    }
}
