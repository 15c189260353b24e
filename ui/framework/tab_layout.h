#pragma once

#include "ui/framework/container.h"

// Shows one child (page) at a time over its whole area.
class CTabLayout : public CContainer {
public:
    std::wstring GetClass() const override;
    CControl* GetInterface(const std::wstring& name) override;

    int GetCurSel() const { return current_; }
    // Shows page `index`; with `notify` sends "tabselect" (wParam the new
    // page, lParam the old one). Selecting the current page does nothing;
    // an index out of range is refused (false).
    bool SelectItem(int index, bool notify = true);

protected:
    bool ShowsChild(int index) const override { return index == current_; }

private:
    int current_ = 0;
};
