#pragma once

// Conversions of the numbers carried by installer events into the integer
// types the window keeps. The numbers come from other programs (the package
// prints them, a downloader computes them), so none of these may be
// undefined for values out of range or not a number.

#include <string>

// Truncated toward zero and held inside the range of a 32-bit long; not a
// number gives 0.
long TruncateToLong(double value);

// Milliseconds of a delay: truncated, held inside 0..4294967295.
unsigned ToUnsignedMilliseconds(double value);

// The text of the task reports "下载失败原因" (digest notice) and
// "安装失败原因": ":1.code=<value>；2.msg=<text>", at most 199 characters.
std::wstring CodeAndMessageReason(double value, const std::wstring& text);
