#include "installer/src/running_process.h"

#include <windows.h>
#include <tlhelp32.h>

#include "utils/unique_handle.h"

bool IsProcessRunning(const std::wstring& exeName) {
    Utils::ScopedFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) return false;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        if (exeName == entry.szExeFile) return true;
    }
    return false;
}
