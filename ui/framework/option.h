#pragma once

#include <cstdint>

#include "ui/framework/button.h"

// A button with a selected state that each click toggles. While selected it
// shows its "selectedimage" and "selectedtextcolor" (when given). A change of
// state sends "selectchanged" after the click's "click".
class COption : public CButton {
public:
    std::wstring GetClass() const override;
    CControl* GetInterface(const std::wstring& name) override;

    bool IsSelected() const { return selected_; }
    // Setting the current state again does nothing.
    void Selected(bool selected, bool notify = true);

    bool Activate() override;
    void SetAttribute(const std::wstring& name, const std::wstring& value) override;

protected:
    void PaintStatusImage(SkinUI::RenderContext& context) override;
    uint32_t CurrentTextColor() const override;

private:
    bool selected_ = false;
    std::wstring selectedImage_;
    uint32_t selectedTextColor_ = 0;
};

// The markup's "CheckBox": an option on its own.
class CCheckBox : public COption {
public:
    std::wstring GetClass() const override;
    CControl* GetInterface(const std::wstring& name) override;
};
