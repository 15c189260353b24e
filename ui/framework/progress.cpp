#include "ui/framework/progress.h"

#include <algorithm>

std::wstring CProgress::GetClass() const { return L"Progress"; }

CControl* CProgress::GetInterface(const std::wstring& name) {
    return name == L"Progress" ? this : CLabel::GetInterface(name);
}

void CProgress::SetValue(int value) {
    value = std::clamp(value, min_, max_);
    if (value == value_) return;
    value_ = value;
    Invalidate();
}

void CProgress::SetRange(int min, int max) {
    if (min >= max) return;
    min_ = min;
    max_ = max;
    value_ = std::clamp(value_, min_, max_);
    Invalidate();
}

void CProgress::SetForeImage(const std::wstring& image) {
    foreImage_ = image;
    Invalidate();
}

RECT CProgress::FilledRect() const {
    RECT filled = GetPos();
    const int64_t width = SkinUI::Width(filled);
    filled.right = filled.left + static_cast<int>(width * (value_ - min_) / (max_ - min_));
    return filled;
}

void CProgress::SetAttribute(const std::wstring& name, const std::wstring& value) {
    if (name == L"foreimage") {
        SetForeImage(value);
    } else {
        CLabel::SetAttribute(name, value);
    }
}

void CProgress::PaintStatusImage(SkinUI::RenderContext& context) {
    const RECT filled = FilledRect();
    if (!SkinUI::IsEmpty(filled)) DrawImage(context, foreImage_, filled);
}
