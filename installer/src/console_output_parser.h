#pragma once

// Follows one child's console output from the raw bytes of its pipe to the
// events of its protocol: whole lines, each decoded with the code page in
// force when it ends, then parsed. Events go to the sink in the order of the
// lines.

#include <cstddef>
#include <functional>
#include <string>

#include "installer/src/console_line_splitter.h"
#include "installer/src/console_protocol.h"

class ConsoleOutputParser {
public:
    using EventSink = std::function<void(const ConsoleEvent&)>;

    ConsoleOutputParser(const ProtocolTable& table, EventSink sink);

    // Bytes as they were read, cut anywhere.
    void Feed(const char* data, size_t size);

    // The output has ended: a last line without a line feed still counts.
    void Finish();

    // Whether any line so far was a success or failure line.
    bool GaveVerdict() const { return gaveVerdict_; }

    const ConsoleProtocol& Protocol() const { return protocol_; }

private:
    void HandleLines(const std::vector<std::string>& lines);

    const ProtocolTable& table_;
    EventSink sink_;
    ConsoleLineSplitter splitter_;
    ConsoleProtocol protocol_;
    bool gaveVerdict_ = false;
};

// One line's bytes as text: the line ends at its first zero byte, and
// 0 stands for the system ANSI code page.
std::wstring DecodeConsoleLine(const std::string& bytes, UINT codePage);
