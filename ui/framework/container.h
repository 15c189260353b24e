#pragma once

// A control that owns child controls. Laid out by itself it stacks every
// child over its whole area; the vertical and horizontal layouts line them up.

#include <memory>
#include <vector>

#include "ui/framework/control.h"

class CContainer : public CControl {
public:
    std::wstring GetClass() const override;
    CControl* GetInterface(const std::wstring& name) override;

    // Adds `control` as the last child; it joins the container's window.
    void Add(std::unique_ptr<CControl> control);
    int GetCount() const { return static_cast<int>(items_.size()); }
    CControl* GetItemAt(int index) const;

    void SetManager(CPaintManager* manager, bool init) override;
    CControl* FindControl(const std::wstring& name) override;
    CControl* FindControlAt(POINT point) override;
    void SetPos(const RECT& rect) override;
    void SetVisible(bool visible) override;
    void SetInternVisible(bool visible) override;
    void DoPaint(SkinUI::RenderContext& context) override;

protected:
    enum class Axis { Horizontal, Vertical };
    // Lines the visible children up along `axis` inside the container.
    void ArrangeAlong(Axis axis);
    // Whether the container shows child `index` at all (a tab layout shows
    // only its current page).
    virtual bool ShowsChild(int) const { return true; }
    // Tells every child whether the container currently shows it.
    void PassVisibilityDown();
    // Whether a child takes part in layout, painting and hit testing.
    bool IsActiveChild(int index) const;

private:
    std::vector<std::unique_ptr<CControl>> items_;
};
