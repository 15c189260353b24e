#pragma once

// Cuts a child's console output into lines as it arrives in pieces. A pipe
// read ends wherever the bytes in the pipe end, which may be inside a line
// or inside a multi-byte character, so the splitter keeps the unfinished
// line until its line feed (or the end of the output) arrives. Lines are
// kept as bytes: they are decoded only when whole, with the code page in
// force for that line.

#include <cstddef>
#include <string>
#include <vector>

class ConsoleLineSplitter {
public:
    // Longer lines are cut to this many bytes; the rest up to the line feed
    // is dropped. No protocol line comes near it, and it keeps a child that
    // never ends its line from growing the buffer without bound.
    static constexpr size_t kMaxLineBytes = 4096;

    // The lines completed by `size` more bytes, without their line end
    // ("\n" or "\r\n").
    std::vector<std::string> Feed(const char* data, size_t size);

    // The last line when the output ended without a line feed; empty when
    // nothing is pending.
    std::vector<std::string> Finish();

    // How many lines were cut to kMaxLineBytes so far.
    size_t CutLines() const { return cutLines_; }

private:
    std::string Take();

    std::string pending_;
    bool cutting_ = false;
    size_t cutLines_ = 0;
};
