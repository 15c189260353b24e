#include "installer/src/console_line_splitter.h"

#include <utility>

std::vector<std::string> ConsoleLineSplitter::Feed(const char* data, size_t size) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < size; ++i) {
        const char byte = data[i];
        if (byte == '\n') {
            lines.push_back(Take());
        } else if (pending_.size() < kMaxLineBytes) {
            pending_.push_back(byte);
        } else if (!cutting_) {
            cutting_ = true;
            ++cutLines_;
        }
    }
    return lines;
}

std::vector<std::string> ConsoleLineSplitter::Finish() {
    if (pending_.empty() && !cutting_) return {};
    return {Take()};
}

std::string ConsoleLineSplitter::Take() {
    std::string line = std::exchange(pending_, {});
    cutting_ = false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}
