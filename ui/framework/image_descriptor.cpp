#include "ui/framework/image_descriptor.h"

#include <cwctype>

#include "ui/framework/attribute_parsing.h"

namespace SkinUI {

namespace {

void SkipSpaces(std::wstring_view& text) {
    while (!text.empty() && std::iswspace(text.front())) text.remove_prefix(1);
}

// Reads one key='value' (or key="value") pair from the front of `text`.
bool ReadPair(std::wstring_view& text, std::wstring_view& key, std::wstring_view& value) {
    const size_t equals = text.find(L'=');
    if (equals == std::wstring_view::npos || equals + 1 >= text.size()) return false;
    key = text.substr(0, equals);
    const wchar_t quote = text[equals + 1];
    if (quote != L'\'' && quote != L'"') return false;
    const size_t close = text.find(quote, equals + 2);
    if (close == std::wstring_view::npos) return false;
    value = text.substr(equals + 2, close - equals - 2);
    text.remove_prefix(close + 1);
    return true;
}

bool Apply(ImageDescriptor& image, std::wstring_view key, std::wstring_view value) {
    if (key == L"file") {
        image.file = value;
    } else if (key == L"dest") {
        image.dest = ParseRect(value);
        return image.dest.has_value();
    } else if (key == L"corner") {
        const auto corner = ParseEdges(value);
        if (!corner) return false;
        image.corner = *corner;
    } else if (key == L"mask") {
        image.mask = ParseColor(value);
        return image.mask.has_value();
    } else if (key == L"fade") {
        const auto fade = ParseInt(value);
        if (!fade || *fade < 0 || *fade > 255) return false;
        image.fade = static_cast<uint8_t>(*fade);
    } else if (key == L"hole") {
        image.hole = ParseBool(value);
    } else if (key == L"xtiled") {
        image.xtiled = ParseBool(value);
    } else if (key == L"ytiled") {
        image.ytiled = ParseBool(value);
    }
    return true;
}

}  // namespace

std::optional<ImageDescriptor> ParseImageDescriptor(std::wstring_view text) {
    SkipSpaces(text);
    if (text.empty()) return std::nullopt;
    ImageDescriptor image;
    if (text.find(L"='") == std::wstring_view::npos &&
        text.find(L"=\"") == std::wstring_view::npos) {
        image.file = text;
        return image;
    }
    while (!text.empty()) {
        std::wstring_view key;
        std::wstring_view value;
        if (!ReadPair(text, key, value) || !Apply(image, key, value)) return std::nullopt;
        SkipSpaces(text);
    }
    if (image.file.empty()) return std::nullopt;
    return image;
}

}  // namespace SkinUI
