#pragma once

// The error the tracker raises for bad input. UsageTrackerWrapper swallows
// it, so it never reaches the installer.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vorta::analytics {

class ZrException : public std::exception {
public:
    ZrException(std::string sourceFile, std::string function, int line, std::string message)
        : sourceFile_(std::move(sourceFile)),
          function_(std::move(function)),
          line_(line),
          message_(std::move(message)) {}

    const char* what() const noexcept override { return message_.c_str(); }

    const std::string& sourceFile() const { return sourceFile_; }
    const std::string& function() const { return function_; }
    int line() const { return line_; }
    // Every tracker error carries the same code.
    std::int64_t code() const { return code_; }
    const std::string& message() const { return message_; }

private:
    std::string sourceFile_;
    std::string function_;
    int line_;
    std::int64_t code_ = -1;
    std::string message_;
};

}  // namespace vorta::analytics
