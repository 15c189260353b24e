#pragma once

#include <cstdint>

#include "ui/framework/label.h"

// A clickable label with a look per state: normal, hot (mouse over) and
// pushed (mouse held down on it). A click (button released over it, or the
// space key while focused) sends "click".
class CButton : public CLabel {
public:
    CButton();

    std::wstring GetClass() const override;
    CControl* GetInterface(const std::wstring& name) override;
    bool IsInteractive() const override { return true; }

    // Sends "click" when the button is visible and enabled.
    virtual bool Activate();

    void SetEnabled(bool enabled) override;
    void SetAttribute(const std::wstring& name, const std::wstring& value) override;
    void DoEvent(ControlEvent& event) override;

protected:
    void PaintBkColor(SkinUI::RenderContext& context) override;
    void PaintStatusImage(SkinUI::RenderContext& context) override;
    uint32_t CurrentTextColor() const override;

private:
    // `pushed` wins over `hot`; an unset (empty or 0) value falls back.
    template <typename T>
    T ForState(const T& normal, const T& hot, const T& pushed) const;

    bool hot_ = false;
    bool pushed_ = false;
    bool captured_ = false;
    std::wstring normalImage_;
    std::wstring hotImage_;
    std::wstring pushedImage_;
    uint32_t hotTextColor_ = 0;
    uint32_t pushedTextColor_ = 0;
    uint32_t hotBkColor_ = 0;
    uint32_t pushedBkColor_ = 0;
};
