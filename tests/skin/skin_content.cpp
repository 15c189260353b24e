#include "tests/skin/skin_content.h"

#include <windows.h>

#include <string>

#include "resources/resource_ids.h"
#include "ui/framework/resource_source.h"
#include "ui/skin_resource_store.h"

namespace SkinContent {

const std::vector<std::wstring>& Layouts() {
    static const std::vector<std::wstring> layouts{
        L"mainWnd.xml",        L"MessageBox1Wnd.xml",
        L"MessageBox2Wnd.xml", L"InstalledPathTipWnd.xml",
        L"NetworkTipWnd.xml",  L"exitTipWnd.xml"};
    return layouts;
}

namespace {

// "prefix1.png" ... "prefixN.png"
void AddNumbered(std::vector<ImageFile>& images, const std::wstring& prefix, int count, int width,
                 int height, bool palette = false) {
    for (int n = 1; n <= count; ++n) {
        images.push_back({prefix + std::to_wstring(n) + L".png", width, height, palette});
    }
}

std::vector<ImageFile> MakeImages() {
    std::vector<ImageFile> images;
    AddNumbered(images, L"res/mainWnd/bg", 4, 600, 400);
    images.push_back({L"res/mainWnd/logo.png", 292, 62, false});
    AddNumbered(images, L"res/mainWnd/installBtn", 3, 200, 46);
    images.push_back({L"res/mainWnd/tipLbl.png", 120, 36, false});
    AddNumbered(images, L"res/mainWnd/Cb", 2, 15, 14);
    AddNumbered(images, L"res/mainWnd/customeBtn", 2, 16, 16, true);
    AddNumbered(images, L"res/mainWnd/backBtn", 3, 64, 30);
    images.push_back({L"res/mainWnd/installDirEdit.png", 340, 36, false});
    AddNumbered(images, L"res/mainWnd/chDirBtn", 3, 80, 36);
    AddNumbered(images, L"res/mainWnd/installPrg", 2, 520, 8);
    for (int frame = 0; frame < 25; ++frame) {
        wchar_t name[64];
        swprintf(name, 64, L"res/mainWnd/installBtnAnimate/%03d.png", frame);
        images.push_back({name, 156, 154, false});
    }
    images.push_back({L"res/mainWnd/finished.png", 80, 80, false});
    AddNumbered(images, L"res/common/minbtn", 3, 24, 24);
    AddNumbered(images, L"res/common/closebtn", 3, 24, 24);
    AddNumbered(images, L"res/common/closebtnM_", 3, 24, 24);
    images.push_back({L"res/MessageBoxWnd/icoWarn.png", 40, 40, false});
    images.push_back({L"res/MessageBoxWnd/icoNetwork.png", 40, 40, false});
    images.push_back({L"res/MessageBoxWnd/icoQuest.png", 40, 40, false});
    return images;
}

}  // namespace

const std::vector<ImageFile>& Images() {
    static const std::vector<ImageFile> images = MakeImages();
    return images;
}

CSkinResourceStore& Store() {
    static const bool prepared = [] {
        InstallSkinResourceStore(GetModuleHandleW(nullptr));
        SkinResourceStore().PrepareForWindow(L"", SkinUI::kSkinInResourceArchive, IDR_SKIN_ARCHIVE);
        return true;
    }();
    static_cast<void>(prepared);
    return SkinResourceStore();
}

}  // namespace SkinContent
