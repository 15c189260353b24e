#include "utils/administrator_checks.h"

#include <windows.h>
#include <lm.h>
#include <wtsapi32.h>

#include <memory>

namespace Utils {
namespace {

struct WtsMemoryFree {
    void operator()(void* memory) const { WTSFreeMemory(memory); }
};

struct NetApiBufferRelease {
    void operator()(void* buffer) const { NetApiBufferFree(buffer); }
};

struct SidFree {
    void operator()(void* sid) const { FreeSid(sid); }
};

}  // namespace

bool ConsoleUserIsAdministrator() {
    const DWORD session = WTSGetActiveConsoleSessionId();
    LPWSTR nameBuffer = nullptr;
    DWORD nameBytes = 0;
    if (!WTSQuerySessionInformationW(WTS_CURRENT_SERVER_HANDLE, session, WTSUserName, &nameBuffer,
                                     &nameBytes)) {
        return false;
    }
    const std::unique_ptr<wchar_t, WtsMemoryFree> userName(nameBuffer);
    if (userName == nullptr || userName.get()[0] == L'\0') return false;

    LPBYTE infoBuffer = nullptr;
    if (NetUserGetInfo(nullptr, userName.get(), 1, &infoBuffer) != NERR_Success) return false;
    const std::unique_ptr<USER_INFO_1, NetApiBufferRelease> info(
        reinterpret_cast<USER_INFO_1*>(infoBuffer));
    return info != nullptr && info->usri1_priv == USER_PRIV_ADMIN;
}

bool ProcessIsElevated() {
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID sidBuffer = nullptr;
    if (!AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                  DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &sidBuffer)) {
        return false;
    }
    const std::unique_ptr<void, SidFree> administrators(sidBuffer);
    BOOL member = FALSE;
    return CheckTokenMembership(nullptr, administrators.get(), &member) && member;
}

}  // namespace Utils
