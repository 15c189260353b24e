#pragma once

#include <exception>
#include <string>

namespace Utils {

// An error with a wide message, carried as narrow text in the ANSI code page.
class Exception : public std::exception {
public:
    explicit Exception(const std::wstring& message);
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

}  // namespace Utils
