#include "ui/framework/horizontal_layout.h"

std::wstring CHorizontalLayout::GetClass() const { return L"HorizontalLayout"; }

CControl* CHorizontalLayout::GetInterface(const std::wstring& name) {
    return name == L"HorizontalLayout" ? this : CContainer::GetInterface(name);
}

void CHorizontalLayout::SetPos(const RECT& rect) {
    CControl::SetPos(rect);
    ArrangeAlong(Axis::Horizontal);
}
