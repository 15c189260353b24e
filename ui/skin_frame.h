#pragma once

// The skinned-window base of the installer's windows: a SkinWindowBase
// described by a skin description, without caption and maximise box, that
// ignores the Escape key and casts the drop shadow its layout asks for.

#include <windows.h>

#include <string>

#include "ui/framework/skin_window_base.h"
#include "ui/window_shadow.h"

// Where a window's skin comes from and the window class it registers.
struct SkinDescription {
    int resourceType;
    UINT resourceId;
    std::wstring skinFolder;
    std::wstring skinFile;
    std::wstring windowClassName;
};

// The installer's skins: skin file `skinFile` in the archive held in the
// program's resources, with the file name up to its last "." as class name.
SkinDescription InstallerSkin(const std::wstring& skinFile);

class CSkinFrame : public SkinWindowBase {
public:
    explicit CSkinFrame(SkinDescription skin);

    // Consumes the Escape key; everything else goes to the base filter.
    LRESULT MessageFilter(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

    // Without a shadow window when the layout asks for none or the process
    // never initialised shadows (CWndShadow::Initialize).
    const CWndShadow& GetShadow() const { return shadow_; }

protected:
    std::wstring GetWindowClassName() const override { return skin_.windowClassName; }
    std::wstring GetSkinFolder() const override { return skin_.skinFolder; }
    std::wstring GetSkinFile() const override { return skin_.skinFile; }
    int GetResourceType() const override { return skin_.resourceType; }
    UINT GetResourceID() const override { return skin_.resourceId; }

    // Clears WS_CAPTION and WS_MAXIMIZEBOX from the window style and sets up
    // the shadow from the layout's Window attributes.
    void InitWindow() override;

private:
    SkinDescription skin_;
    CWndShadow shadow_;
};
