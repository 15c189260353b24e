#include "installer/src/installer_event_record.h"

bool PostInstallerEvent(HWND window, int code, double value, const std::wstring& text) {
    auto record = std::make_unique<InstallerEventRecord>(InstallerEventRecord{code, value, text});
    if (!PostMessageW(window, kInstallerEventMessage, 0, reinterpret_cast<LPARAM>(record.get()))) {
        return false;
    }
    record.release();
    return true;
}

std::unique_ptr<InstallerEventRecord> TakeInstallerEvent(LPARAM lParam) {
    return std::unique_ptr<InstallerEventRecord>(reinterpret_cast<InstallerEventRecord*>(lParam));
}
