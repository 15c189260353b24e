#include "ui/shadow_attributes.h"

#include <cwchar>
#include <vector>

namespace {

SkinUI::Edges ReadEdges(const std::optional<std::wstring>& text) {
    const std::vector<int> values = ReadSeparatedNumbers(text.value_or(L""), 4);
    return {values[0], values[1], values[2], values[3]};
}

int ReadInt(const std::wstring& text) {
    return static_cast<int>(std::wcstol(text.c_str(), nullptr, 10));
}

COLORREF ReadColor(std::wstring text) {
    if (!text.empty() && text[0] == L'#') text.erase(0, 1);
    return static_cast<COLORREF>(std::wcstoul(text.c_str(), nullptr, 16));
}

}  // namespace

std::vector<int> ReadSeparatedNumbers(const std::wstring& text, size_t count) {
    std::vector<int> values(count, 0);
    const wchar_t* cursor = text.c_str();
    for (size_t i = 0; i < count && *cursor != L'\0'; ++i) {
        wchar_t* end = nullptr;
        values[i] = static_cast<int>(std::wcstol(cursor, &end, 10));
        if (end == cursor || *end == L'\0') break;
        cursor = end + 1;
    }
    return values;
}

void ConfigureShadow(CWndShadow& shadow, HWND window, const WindowAttributeLookup& attribute) {
    const auto show = attribute(L"showshadow");
    if (!show || _wcsicmp(show->c_str(), L"true") != 0) return;
    shadow.Create(window);
    if (const auto image = attribute(L"shadowimage")) {
        shadow.SetImage(*image, ReadEdges(attribute(L"shadowholeoffset")),
                        ReadEdges(attribute(L"shadowcorner")));
    }
    if (const auto size = attribute(L"shadowsize")) shadow.SetSize(ReadInt(*size));
    if (const auto sharpness = attribute(L"shadowsharpness")) {
        shadow.SetSharpness(ReadInt(*sharpness));
    }
    if (const auto darkness = attribute(L"shadowdarkness")) shadow.SetDarkness(ReadInt(*darkness));
    if (const auto position = attribute(L"shadowposition")) {
        const std::vector<int> offset = ReadSeparatedNumbers(*position, 2);
        shadow.SetPosition(offset[0], offset[1]);
    }
    if (const auto color = attribute(L"shadowcolor")) shadow.SetColor(ReadColor(*color));
}
