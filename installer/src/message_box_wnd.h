#pragma once

// The installer's modal message boxes and prompts: one skinned window class
// built from one of the dialog layouts, shown over the main window until a
// button or a close ends it.

#include <windows.h>

#include <optional>
#include <string>

#include "ui/skin_frame.h"

class CMessageBoxWnd : public CSkinFrame {
public:
    // What ended the dialog.
    enum Result : int {
        kOk = 0,             // "okBtn"
        kCancelOrClose = 1,  // "cancelBtn", or closed without a button
        kOtherButton = 2,    // any other button; in the layouts only "closebtn"
    };

    explicit CMessageBoxWnd(const std::wstring& skinFile);

    // Shows the layout `skinFile` owned by `parent`, with `text` in
    // "textLbl" and `caption` in "captionLbl" where given and present, and
    // waits until it ends.
    static Result Show(HWND parent, const std::wstring& skinFile,
                       const std::optional<std::wstring>& text = std::nullopt,
                       const std::optional<std::wstring>& caption = std::nullopt);

protected:
    void InitWindow() override;
    void OnClick(const NotifyMsg& msg) override;

private:
    Result result_ = kCancelOrClose;
    CControl* okButton_ = nullptr;
    CControl* cancelButton_ = nullptr;
    CControl* textLabel_ = nullptr;
    CControl* captionLabel_ = nullptr;
};
