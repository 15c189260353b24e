#include "ui/framework/option.h"

#include "ui/framework/attribute_parsing.h"
#include "ui/framework/paint_manager.h"

std::wstring COption::GetClass() const { return L"Option"; }

CControl* COption::GetInterface(const std::wstring& name) {
    return name == L"Option" ? this : CButton::GetInterface(name);
}

void COption::Selected(bool selected, bool notify) {
    if (selected_ == selected) return;
    selected_ = selected;
    Invalidate();
    if (notify && GetManager() != nullptr) GetManager()->SendNotify(this, L"selectchanged");
}

bool COption::Activate() {
    if (!CButton::Activate()) return false;
    Selected(!selected_);
    return true;
}

void COption::SetAttribute(const std::wstring& name, const std::wstring& value) {
    if (name == L"selected") {
        Selected(SkinUI::ParseBool(value), false);
    } else if (name == L"selectedimage") {
        selectedImage_ = value;
        Invalidate();
    } else if (name == L"selectedtextcolor") {
        if (const auto color = SkinUI::ParseColor(value)) {
            selectedTextColor_ = *color;
            Invalidate();
        }
    } else {
        CButton::SetAttribute(name, value);
    }
}

void COption::PaintStatusImage(SkinUI::RenderContext& context) {
    if (selected_ && DrawImage(context, selectedImage_)) return;
    CButton::PaintStatusImage(context);
}

uint32_t COption::CurrentTextColor() const {
    if (selected_ && selectedTextColor_ != 0) return selectedTextColor_;
    return CButton::CurrentTextColor();
}

std::wstring CCheckBox::GetClass() const { return L"CheckBox"; }

CControl* CCheckBox::GetInterface(const std::wstring& name) {
    return name == L"CheckBox" ? this : COption::GetInterface(name);
}
