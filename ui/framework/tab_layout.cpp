#include "ui/framework/tab_layout.h"

#include "ui/framework/paint_manager.h"

std::wstring CTabLayout::GetClass() const { return L"TabLayout"; }

CControl* CTabLayout::GetInterface(const std::wstring& name) {
    return name == L"TabLayout" ? this : CContainer::GetInterface(name);
}

bool CTabLayout::SelectItem(int index, bool notify) {
    if (index < 0 || index >= GetCount()) return false;
    if (index == current_) return true;
    const int previous = current_;
    current_ = index;
    PassVisibilityDown();
    NeedUpdate();
    if (notify && GetManager() != nullptr) {
        GetManager()->SendNotify(this, L"tabselect", static_cast<WPARAM>(current_),
                                 static_cast<LPARAM>(previous));
    }
    return true;
}
