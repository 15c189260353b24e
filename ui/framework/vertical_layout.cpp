#include "ui/framework/vertical_layout.h"

std::wstring CVerticalLayout::GetClass() const { return L"VerticalLayout"; }

CControl* CVerticalLayout::GetInterface(const std::wstring& name) {
    return name == L"VerticalLayout" ? this : CContainer::GetInterface(name);
}

void CVerticalLayout::SetPos(const RECT& rect) {
    CControl::SetPos(rect);
    ArrangeAlong(Axis::Vertical);
}
