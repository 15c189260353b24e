#pragma once

// An installer window for the tests: a skinned frame built from one of the
// installer's layouts out of the linked skin archive, with the frame-sequence
// controls and a record of the notifications and animation ticks it saw.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/sequence_label.h"
#include "ui/skin_frame.h"

namespace SkinTest {

// A frame-sequence label that remembers the background after every timer
// event it handled.
class RecordingSequenceLabel : public CSequenceLabel {
public:
    struct Tick {
        DWORD time;
        std::wstring image;
    };

    void DoEvent(ControlEvent& event) override;
    const std::vector<Tick>& Ticks() const { return ticks_; }

private:
    std::vector<Tick> ticks_;
};

class SkinTestWindow : public CSkinFrame {
public:
    explicit SkinTestWindow(const std::wstring& skinFile);

    std::unique_ptr<CControl> CreateControl(const std::wstring& element) override;
    void Notify(const NotifyMsg& msg) override;

    // Notifications of `type` sent by the control named `sender`.
    int NotificationCount(const std::wstring& type, const std::wstring& sender) const;

private:
    struct Seen {
        std::wstring type;
        std::wstring sender;
    };

    std::vector<Seen> notifications_;
};

// Prepares the process once: the skin store over the linked archive and
// the shadow window class.
void PrepareSkinnedWindows();

// Creates `skinFile`'s window as the installer does (visible, centred on
// the screen) and lets it paint.
std::unique_ptr<SkinTestWindow> ShowSkinWindow(const std::wstring& skinFile);

// Dispatches the thread's messages until `condition` holds (true) or
// `timeoutMs` has passed (false).
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);

// Dispatches the thread's messages for `ms`: for checking that something
// does not happen in that time.
void PumpFor(DWORD ms);

}  // namespace SkinTest
