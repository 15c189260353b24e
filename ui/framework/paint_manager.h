#pragma once

// The heart of a skinned window: it owns the control tree built from the
// layout, the window's fonts, images and named attributes, renders the tree
// double-buffered on WM_PAINT, routes mouse and keyboard input to controls,
// keeps the per-control timers, delivers notifications (at once or queued)
// and runs the window's message filters before anything else.

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/framework/control.h"
#include "ui/framework/font_table.h"
#include "ui/framework/image.h"
#include "ui/framework/image_descriptor.h"
#include "ui/framework/message_filter.h"
#include "ui/framework/notify.h"
#include "ui/framework/notify_queue.h"
#include "ui/framework/surface.h"
#include "ui/framework/timer_table.h"

class CPaintManager {
public:
    CPaintManager();
    ~CPaintManager();
    CPaintManager(const CPaintManager&) = delete;
    CPaintManager& operator=(const CPaintManager&) = delete;

    // Serves `window` from now on; its messages go through MessageHandler.
    void Init(HWND window);
    HWND GetPaintWindow() const { return window_; }

    // The window's description from the layout's Window element.
    SIZE GetInitSize() const { return initSize_; }
    void SetInitSize(SIZE size) { initSize_ = size; }
    // The band that drags the window: left and right insets, top, bottom.
    const RECT& GetCaptionRect() const { return caption_; }
    void SetCaptionRect(const RECT& caption) { caption_ = caption; }
    std::optional<SIZE> GetRoundCorner() const { return roundCorner_; }
    void SetRoundCorner(SIZE corner) { roundCorner_ = corner; }
    void SetWindowAttribute(const std::wstring& name, const std::wstring& value);
    std::optional<std::wstring> GetWindowAttribute(const std::wstring& name) const;

    SkinUI::FontTable& Fonts() { return fonts_; }
    HFONT GetFont(int id) const { return fonts_.Get(id); }
    // Width and height of `text` in font `fontId` with the DrawText `style`.
    SIZE MeasureText(int fontId, const std::wstring& text, UINT style) const;
    // Loaded once per window and kept; null when the image cannot be had.
    std::shared_ptr<const SkinUI::Image> GetImage(const SkinUI::ImageDescriptor& descriptor);

    // Takes the control tree; every control joins the window and runs its
    // initialisation hook.
    void AttachRoot(std::unique_ptr<CControl> root);
    CControl* GetRoot() const { return root_.get(); }
    CControl* FindControl(const std::wstring& name) const;
    CControl* FindControlAt(POINT point);
    // Lays the controls out again before the next paint or hit test.
    void NeedUpdate();
    void Invalidate(const RECT& rect) const;
    // Called by a control that goes away: forgets every reference to it.
    void ReleaseControl(CControl* control);

    // The control keyboard input goes to; the window takes the focus.
    void SetFocus(CControl* control);

    void AddNotifier(INotifyReceiver* receiver);
    // Synchronously (UI thread): the sender's own handlers, then every
    // receiver. Asynchronously (any thread): queued and delivered on the UI
    // thread in order; without `allowRepeat` a queued notification of the
    // same sender and type is updated instead of added.
    void SendNotify(CControl* sender, const std::wstring& type, WPARAM wParam = 0,
                    LPARAM lParam = 0, bool async = false, bool allowRepeat = true);

    void AddMessageFilter(ISkinMessageFilter* filter);

    // A timer event for `control` every `elapse` ms; setting a running timer
    // does nothing, setting a killed one re-arms it.
    bool SetTimer(CControl* control, UINT id, UINT elapse);
    bool KillTimer(CControl* control, UINT id);

    // The window's messages; true when the framework handled one (with
    // `result`).
    bool MessageHandler(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Offers keyboard messages aimed at a native child control to the
    // message filters of its skinned window; true when one consumed it.
    static bool TranslateMessage(const MSG& msg);

    // Paints the `dirty` part of the tree into `surface`, first laying the
    // controls out to the surface's size when needed.
    void Render(SkinUI::Surface& surface, const RECT& dirty);

private:
    RECT ClientRect() const;
    void EnsureLayout(const RECT& bounds);
    void Paint();
    void PrintClient(HDC dc);
    void SendEvent(CControl* control, ControlEventType type, POINT mouse, WPARAM wParam = 0);
    void SetHot(CControl* control, POINT mouse);
    void OnMouseMove(POINT mouse);
    void OnButtonDown(POINT mouse);
    void OnButtonUp(POINT mouse);
    void OnCaptureLost();
    bool OnTimer(UINT systemId);
    void StopSystemTimer(UINT systemId) const;
    void DeliverNotify(const NotifyMsg& msg);
    void DeliverQueuedNotifies();

    HWND window_ = nullptr;
    SIZE initSize_{};
    RECT caption_{};
    std::optional<SIZE> roundCorner_;
    std::vector<std::pair<std::wstring, std::wstring>> windowAttributes_;
    SkinUI::FontTable fonts_;
    std::map<std::wstring, std::shared_ptr<const SkinUI::Image>> images_;

    std::unique_ptr<CControl> root_;
    bool needLayout_ = true;
    RECT laidOut_{};
    SkinUI::Surface backBuffer_;

    CControl* hot_ = nullptr;
    CControl* captured_ = nullptr;
    CControl* focus_ = nullptr;
    bool trackingMouse_ = false;

    std::vector<INotifyReceiver*> notifiers_;
    std::vector<ISkinMessageFilter*> filters_;
    SkinUI::TimerTable timers_;
    SkinUI::NotifyQueue queued_;
};
