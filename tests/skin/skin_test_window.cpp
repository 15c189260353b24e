#include "tests/skin/skin_test_window.h"

#include <algorithm>

#include "tests/skin/skin_content.h"
#include "ui/sequence_control_factory.h"

namespace SkinTest {

void RecordingSequenceLabel::DoEvent(ControlEvent& event) {
    CSequenceLabel::DoEvent(event);
    if (event.type == ControlEventType::Timer) ticks_.push_back({GetTickCount(), GetBkImage()});
}

SkinTestWindow::SkinTestWindow(const std::wstring& skinFile)
    : CSkinFrame(InstallerSkin(skinFile)) {}

std::unique_ptr<CControl> SkinTestWindow::CreateControl(const std::wstring& element) {
    if (element == CSequenceLabel::kClassName) return std::make_unique<RecordingSequenceLabel>();
    return CreateSequenceControl(element);
}

void SkinTestWindow::Notify(const NotifyMsg& msg) {
    notifications_.push_back({msg.type, msg.sender != nullptr ? msg.sender->GetName() : L""});
    CSkinFrame::Notify(msg);
}

int SkinTestWindow::NotificationCount(const std::wstring& type, const std::wstring& sender) const {
    int count = 0;
    for (const Seen& seen : notifications_) count += seen.type == type && seen.sender == sender;
    return count;
}

void PrepareSkinnedWindows() {
    static const bool prepared = [] {
        SkinContent::Store();
        CWndShadow::Initialize(GetModuleHandleW(nullptr));
        return true;
    }();
    static_cast<void>(prepared);
}

std::unique_ptr<SkinTestWindow> ShowSkinWindow(const std::wstring& skinFile) {
    PrepareSkinnedWindows();
    auto window = std::make_unique<SkinTestWindow>(skinFile);
    window->Create(nullptr, L"Quillora", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0);
    window->CenterWindow();
    UpdateWindow(window->GetHWND());
    return window;
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (condition()) return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(20, timeoutMs - elapsed),
                                  QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

}  // namespace SkinTest
