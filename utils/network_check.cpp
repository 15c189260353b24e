#include "utils/network_check.h"

#include <windows.h>
#include <netlistmgr.h>

#include "installer/src/diagnostic_log.h"

namespace Utils {
namespace {

// {DCB00C01-570F-4A9B-8D69-199FDBA5723B}, the Network List Manager.
constexpr CLSID kNetworkListManager = {
    0xDCB00C01, 0x570F, 0x4A9B, {0x8D, 0x69, 0x19, 0x9F, 0xDB, 0xA5, 0x72, 0x3B}};
// {DCB00000-570F-4A9B-8D69-199FDBA5723B}, INetworkListManager.
constexpr IID kINetworkListManager = {
    0xDCB00000, 0x570F, 0x4A9B, {0x8D, 0x69, 0x19, 0x9F, 0xDB, 0xA5, 0x72, 0x3B}};

}  // namespace

int CheckNetwork() {
    INetworkListManager* manager = nullptr;
    if (FAILED(CoCreateInstance(kNetworkListManager, nullptr, CLSCTX_ALL, kINetworkListManager,
                                reinterpret_cast<void**>(&manager))) ||
        manager == nullptr) {
        return 0;
    }
    NLM_CONNECTIVITY connectivity = NLM_CONNECTIVITY_DISCONNECTED;
    int status = 0;
    manager->GetConnectivity(&connectivity);
    const int flags = static_cast<int>(connectivity);
    if (flags == 0) {
        QLOG(L"GetConnectivity %d", flags);
        status = 1;
    } else {
        VARIANT_BOOL connected = VARIANT_FALSE;
        // MinGW's header names the property getter without its get_ prefix.
        manager->IsConnectedToInternet(&connected);
        if (connected == VARIANT_FALSE) {
            QLOG(L"get_IsConnectedToInternet:%d", static_cast<int>(connected));
            status = 2;
        }
    }
    manager->Release();
    CoFreeUnusedLibraries();
    return (flags & 0xFFFF) | (status << 16);
}

}  // namespace Utils
