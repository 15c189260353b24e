#pragma once

// A window whose look and controls come from a skin layout. On creation it
// drops the system caption, loads the skin's resources, builds the layout
// (with itself as the factory for custom elements), and then calls its
// initialisation hook. It drags by the layout's caption band, takes the
// layout's round corners as its window region, and handles clicks on
// "closebtn", "minbtn", "maxbtn" and "restorebtn" by default.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "ui/framework/control_factory.h"
#include "ui/framework/message_filter.h"
#include "ui/framework/notify.h"
#include "ui/framework/notify_router.h"
#include "ui/framework/paint_manager.h"
#include "ui/framework/window_base.h"

class SkinWindowBase : public CWindowBase,
                       public CNotifyRouter,
                       public INotifyReceiver,
                       public ISkinMessageFilter,
                       public IControlFactory {
public:
    SkinWindowBase() = default;
    ~SkinWindowBase() override;

    CPaintManager& GetPaintManager() { return paintManager_; }
    // Null when the layout has no control of that name.
    CControl* FindControl(const std::wstring& name) const;
    // A named attribute of the layout's Window element.
    std::optional<std::wstring> GetWindowAttribute(const std::wstring& name) const;

    // Routed handlers first; an unrouted "click" goes to OnClick.
    void Notify(const NotifyMsg& msg) override;
    // Consumes nothing: neither Enter nor any other key has a default action.
    LRESULT MessageFilter(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;
    // Knows no element of its own.
    std::unique_ptr<CControl> CreateControl(const std::wstring& element) override;

protected:
    virtual std::wstring GetSkinFolder() const = 0;
    virtual std::wstring GetSkinFile() const = 0;
    virtual int GetResourceType() const = 0;
    virtual UINT GetResourceID() const = 0;

    // Runs once the layout is built and attached.
    virtual void InitWindow() {}
    // Default handling of the window buttons: "closebtn" closes with code 1,
    // "minbtn", "maxbtn", "restorebtn" minimise, maximise, restore.
    virtual void OnClick(const NotifyMsg& msg);
    // Messages the framework does not handle itself; set `handled` to keep
    // them from the framework.
    virtual LRESULT HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnCreate();
    LRESULT OnNcHitTest(LPARAM lParam);
    void UpdateRegion();

    CPaintManager paintManager_;
};
