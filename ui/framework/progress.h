#pragma once

#include "ui/framework/label.h"

// A horizontal bar: the background shows the track, "foreimage" is drawn
// over the part from the left edge that the value fills.
class CProgress : public CLabel {
public:
    std::wstring GetClass() const override;
    CControl* GetInterface(const std::wstring& name) override;

    int GetValue() const { return value_; }
    // Clamped to the range, 0 to 100 unless set otherwise.
    void SetValue(int value);
    // Ignored unless `min` < `max`; the value is clamped into the new range.
    void SetRange(int min, int max);
    void SetForeImage(const std::wstring& image);

    // The filled part of the bar at the current position.
    RECT FilledRect() const;

    void SetAttribute(const std::wstring& name, const std::wstring& value) override;

protected:
    void PaintStatusImage(SkinUI::RenderContext& context) override;

private:
    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
    std::wstring foreImage_;
};
