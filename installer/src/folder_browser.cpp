#include "installer/src/folder_browser.h"

#include <shlobj.h>

#include <memory>

#include "utils/com_apartment.h"
#include "utils/network_check.h"

namespace {

struct ItemIdListDeleter {
    void operator()(ITEMIDLIST* list) const { CoTaskMemFree(list); }
};

}  // namespace

std::optional<std::wstring> BrowseForFolder(HWND owner, const wchar_t* title) {
    // The new dialog style needs COM on this thread.
    const Utils::ComApartment com;
    BROWSEINFOW browse{};
    browse.hwndOwner = owner;
    browse.lpszTitle = title;
    browse.ulFlags = BIF_NEWDIALOGSTYLE;
    const std::unique_ptr<ITEMIDLIST, ItemIdListDeleter> chosen(SHBrowseForFolderW(&browse));
    wchar_t path[MAX_PATH] = {};
    if (!chosen || !SHGetPathFromIDListW(chosen.get(), path)) return std::nullopt;
    return std::wstring(path);
}

int CheckNetworkWithCom() {
    const Utils::ComApartment com;
    return Utils::CheckNetwork();
}
