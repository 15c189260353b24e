// A skinned window whose layout is nowhere: this program links no skin
// archive and its folder holds no "MissingWnd.xml". The framework must show
// its error message and end the process with exit code 1.

#include <windows.h>

#include "ui/skin_frame.h"
#include "ui/skin_resource_store.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    InstallSkinResourceStore(instance);
    CSkinFrame window(InstallerSkin(L"MissingWnd.xml"));
    window.Create(nullptr, L"Missing", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 0);
    return 0;
}
