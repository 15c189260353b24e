#pragma once

// Sets up a skinned window's drop shadow from its layout's Window
// attributes: "showshadow", "shadowimage" with "shadowholeoffset" and
// "shadowcorner", "shadowsize", "shadowsharpness", "shadowdarkness",
// "shadowposition" and "shadowcolor".

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/window_shadow.h"

// A named attribute of the window's layout, or nothing.
using WindowAttributeLookup = std::function<std::optional<std::wstring>(const std::wstring&)>;

void ConfigureShadow(CWndShadow& shadow, HWND window, const WindowAttributeLookup& attribute);

// Decimal numbers each followed by one separator character, as in "1,1" or
// "0,0,0,0": the first `count` of them, 0 for any that is missing.
std::vector<int> ReadSeparatedNumbers(const std::wstring& text, size_t count);
