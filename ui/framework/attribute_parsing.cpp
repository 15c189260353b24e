#include "ui/framework/attribute_parsing.h"

#include <cwctype>

namespace SkinUI {

namespace {

std::wstring_view Trimmed(std::wstring_view text) {
    while (!text.empty() && std::iswspace(text.front())) text.remove_prefix(1);
    while (!text.empty() && std::iswspace(text.back())) text.remove_suffix(1);
    return text;
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

}  // namespace

std::optional<uint32_t> ParseColor(std::wstring_view text) {
    text = Trimmed(text);
    if (text.size() > 0 && text[0] == L'#') {
        text.remove_prefix(1);
    } else if (text.size() > 1 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        text.remove_prefix(2);
    } else {
        return std::nullopt;
    }
    if (text.empty() || text.size() > 8) return std::nullopt;
    uint32_t value = 0;
    for (wchar_t c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return value;
}

std::optional<int> ParseInt(std::wstring_view text) {
    text = Trimmed(text);
    bool negative = false;
    if (!text.empty() && (text[0] == L'-' || text[0] == L'+')) {
        negative = text[0] == L'-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    return negative ? -value : value;
}

std::optional<std::vector<int>> ParseIntList(std::wstring_view text) {
    std::vector<int> values;
    for (;;) {
        const size_t comma = text.find(L',');
        const auto value = ParseInt(text.substr(0, comma));
        if (!value) return std::nullopt;
        values.push_back(*value);
        if (comma == std::wstring_view::npos) return values;
        text.remove_prefix(comma + 1);
    }
}

std::optional<RECT> ParseRect(std::wstring_view text) {
    const auto values = ParseIntList(text);
    if (!values || values->size() != 4) return std::nullopt;
    return RECT{(*values)[0], (*values)[1], (*values)[2], (*values)[3]};
}

std::optional<Edges> ParseEdges(std::wstring_view text) {
    const auto rect = ParseRect(text);
    if (!rect) return std::nullopt;
    return Edges{rect->left, rect->top, rect->right, rect->bottom};
}

std::optional<SIZE> ParseSize(std::wstring_view text) {
    const auto values = ParseIntList(text);
    if (!values || values->size() != 2) return std::nullopt;
    return SIZE{(*values)[0], (*values)[1]};
}

bool ParseBool(std::wstring_view text) { return text == L"true"; }

}  // namespace SkinUI
