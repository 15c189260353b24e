#include "utils/guid_text.h"

#include <windows.h>
#include <objbase.h>

#include <cwchar>

namespace Utils {

std::wstring NewGuidText() {
    GUID guid{};
    CoCreateGuid(&guid);
    wchar_t text[40] = {};
    _snwprintf(text, 40, L"%08X%04X%04x%02X%02X%02X%02X%02X%02X%02X%02X",
               static_cast<unsigned>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
               guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
               guid.Data4[6], guid.Data4[7]);
    return text;
}

}  // namespace Utils
