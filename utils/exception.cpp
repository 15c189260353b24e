#include "utils/exception.h"

#include "utils/text_encoding.h"

namespace Utils {

Exception::Exception(const std::wstring& message) : message_(ToAnsi(message)) {}

}  // namespace Utils
