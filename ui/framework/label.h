#pragma once

#include <cstdint>

#include "ui/framework/control.h"

// A control that shows its text: font (by id), DrawText alignment style,
// colour and padding; left-aligned, vertically centred on one line unless
// the markup says otherwise.
class CLabel : public CControl {
public:
    CLabel() = default;

    std::wstring GetClass() const override;
    CControl* GetInterface(const std::wstring& name) override;

    int GetFont() const { return font_; }
    void SetFont(int id);
    // DrawText flags (DT_LEFT, DT_CENTER, DT_VCENTER, DT_SINGLELINE, ...).
    UINT GetTextStyle() const { return textStyle_; }
    void SetTextStyle(UINT style);
    uint32_t GetTextColor() const { return textColor_; }
    void SetTextColor(uint32_t argb);
    const SkinUI::Edges& GetTextPadding() const { return textPadding_; }
    void SetTextPadding(const SkinUI::Edges& padding);

    void SetAttribute(const std::wstring& name, const std::wstring& value) override;

protected:
    explicit CLabel(UINT textStyle) : textStyle_(textStyle) {}

    void PaintText(SkinUI::RenderContext& context) override;
    // The colour for the control's current state.
    virtual uint32_t CurrentTextColor() const { return textColor_; }

private:
    int font_ = -1;
    UINT textStyle_ = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
    uint32_t textColor_ = 0xFF000000;
    SkinUI::Edges textPadding_;
};
