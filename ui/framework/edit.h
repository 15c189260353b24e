#pragma once

#include "ui/framework/gdi_handles.h"
#include "ui/framework/label.h"

// A single-line text field. Once the control has joined a window it hosts a
// native EDIT child window over its text area (inside the text padding,
// one line high, vertically centred), which does the typing, caret and
// selection; the skin draws the background around it. The field's own
// background is its "bkcolor" when opaque, else white.
class CEdit : public CLabel {
public:
    CEdit() = default;
    ~CEdit() override;

    std::wstring GetClass() const override;
    CControl* GetInterface(const std::wstring& name) override;
    bool IsInteractive() const override { return true; }

    HWND GetNativeWindow() const { return edit_; }

    std::wstring GetText() const override;
    void SetText(const std::wstring& text) override;
    void SetPos(const RECT& rect) override;
    void SetVisible(bool visible) override;
    void SetInternVisible(bool visible) override;
    void SetEnabled(bool enabled) override;
    void SetFocus() override;
    void DoInit() override;
    void DoEvent(ControlEvent& event) override;
    bool HandleChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    void PaintText(SkinUI::RenderContext& context) override;

private:
    // Moves, shows or hides the native window to match the control.
    void UpdateNativeWindow();
    uint32_t FieldColor() const;

    HWND edit_ = nullptr;
    SkinUI::ScopedBrush background_;
    uint32_t backgroundColor_ = 0;
};
