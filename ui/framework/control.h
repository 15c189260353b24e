#pragma once

// The base of every control: a named rectangle in a window's control tree with
// a background (colour, image), an optional rounded border, fixed or
// flexible size, visibility, enabled and focus state, its own notification
// handlers and per-control timers.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/framework/control_event.h"
#include "ui/framework/geometry.h"
#include "ui/framework/notify.h"
#include "ui/framework/render_context.h"

class CPaintManager;

class CControl {
public:
    CControl() = default;
    virtual ~CControl();
    CControl(const CControl&) = delete;
    CControl& operator=(const CControl&) = delete;

    // The markup element name of the control's class, for example "Button".
    virtual std::wstring GetClass() const;
    // This control when it is (or derives from) the class `name`, else null.
    virtual CControl* GetInterface(const std::wstring& name);

    const std::wstring& GetName() const { return name_; }
    void SetName(const std::wstring& name) { name_ = name; }
    CPaintManager* GetManager() const { return manager_; }

    // Joins the control (and its children) to a window's paint manager; with
    // `init` the controls' initialisation hook runs afterwards.
    virtual void SetManager(CPaintManager* manager, bool init);
    // Runs once the control has joined its window.
    virtual void DoInit() {}

    virtual CControl* FindControl(const std::wstring& name);
    // The innermost visible control at `point` (client coordinates).
    virtual CControl* FindControlAt(POINT point);

    virtual std::wstring GetText() const { return text_; }
    virtual void SetText(const std::wstring& text);
    const std::wstring& GetUserData() const { return userData_; }
    void SetUserData(const std::wstring& userData) { userData_ = userData; }

    const RECT& GetPos() const { return pos_; }
    virtual void SetPos(const RECT& rect) { pos_ = rect; }
    // 0 means flexible: the control takes a share of what its layout has left.
    int GetFixedWidth() const { return fixedWidth_; }
    int GetFixedHeight() const { return fixedHeight_; }
    void SetFixedWidth(int width);
    void SetFixedHeight(int height);
    // Space kept free around the control inside its layout.
    const SkinUI::Edges& GetPadding() const { return padding_; }
    void SetPadding(const SkinUI::Edges& padding);

    // Visible by its own flag and not on a hidden tab page.
    bool IsVisible() const { return visible_ && internVisible_; }
    virtual void SetVisible(bool visible);
    // Hidden or shown with the page it sits on; containers pass it down.
    virtual void SetInternVisible(bool visible);
    bool IsEnabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    virtual void SetFocus();
    // Takes clicks itself: a click on it never drags the window.
    virtual bool IsInteractive() const { return false; }

    uint32_t GetBkColor() const { return bkColor_; }
    void SetBkColor(uint32_t argb);
    const std::wstring& GetBkImage() const { return bkImage_; }
    // Does nothing when `image` is already the background.
    void SetBkImage(const std::wstring& image);
    void SetBorderSize(int size);
    void SetBorderColor(uint32_t argb);
    void SetBorderRound(SIZE round);

    virtual void SetAttribute(const std::wstring& name, const std::wstring& value);

    virtual void DoPaint(SkinUI::RenderContext& context);
    virtual void DoEvent(ControlEvent& event);

    // Handlers that see the control's own notifications first.
    void AddNotifyHandler(NotifyHandler handler);
    void DeliverOwnNotify(const NotifyMsg& msg) const;

    void Invalidate() const;
    // The window must lay its controls out again (size or visibility changed).
    void NeedUpdate() const;

    bool SetTimer(UINT id, UINT elapse);
    bool KillTimer(UINT id);

    // Messages about a native child window the control created (its colours,
    // its commands), when the window carries the control in kControlProperty.
    virtual bool HandleChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    static constexpr const wchar_t* kControlProperty = L"SkinUI.Control";

protected:
    virtual void PaintBkColor(SkinUI::RenderContext& context);
    virtual void PaintBkImage(SkinUI::RenderContext& context);
    virtual void PaintStatusImage(SkinUI::RenderContext&) {}
    virtual void PaintText(SkinUI::RenderContext&) {}
    virtual void PaintBorder(SkinUI::RenderContext& context);

    // Fills the control with `argb`, following the border's rounding.
    void FillBackground(SkinUI::RenderContext& context, uint32_t argb) const;
    // Draws an image value (bare path or descriptor) into `bounds`; false when
    // there is nothing to draw.
    bool DrawImage(SkinUI::RenderContext& context, const std::wstring& value,
                   const RECT& bounds) const;
    bool DrawImage(SkinUI::RenderContext& context, const std::wstring& value) const {
        return DrawImage(context, value, pos_);
    }

private:
    std::wstring name_;
    CPaintManager* manager_ = nullptr;
    std::wstring text_;
    std::wstring userData_;
    RECT pos_{};
    int fixedWidth_ = 0;
    int fixedHeight_ = 0;
    SkinUI::Edges padding_;
    bool visible_ = true;
    bool internVisible_ = true;
    bool enabled_ = true;
    uint32_t bkColor_ = 0;
    std::wstring bkImage_;
    int borderSize_ = 0;
    uint32_t borderColor_ = 0;
    SIZE borderRound_{};
    std::vector<NotifyHandler> notifyHandlers_;
};
