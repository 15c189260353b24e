#include "installer/src/installation_folders.h"

#include <windows.h>
#include <shlwapi.h>

std::wstring JoinPath(const std::wstring& parent, const std::wstring& child) {
    std::wstring result = parent;
    while (!result.empty() && result.back() == L'\\') result.pop_back();
    size_t start = 0;
    while (start < child.size() && child[start] == L'\\') ++start;
    return result + L"\\" + child.substr(start);
}

std::wstring ChooseDefaultInstallFolder(const DefaultFolderInputs& inputs) {
    if (!inputs.registeredFolder.empty() && inputs.registeredMarkerExists) {
        return inputs.registeredFolder;
    }
    std::wstring parent;
    if (inputs.consoleUserIsAdministrator && inputs.processIsElevated && !inputs.appData.empty()) {
        parent = JoinPath(inputs.appData, L"vorta");
    } else if (!inputs.programFilesX86.empty()) {
        parent = inputs.programFilesX86;
    } else {
        parent = inputs.programFiles;
    }
    return JoinPath(parent, L"Quillora");
}

bool IsSameFolder(const std::wstring& reference, const std::wstring& folder) {
    wchar_t relative[MAX_PATH] = {};
    if (!PathRelativePathToW(relative, reference.c_str(), FILE_ATTRIBUTE_DIRECTORY, folder.c_str(),
                             FILE_ATTRIBUTE_DIRECTORY)) {
        return false;
    }
    // "." for the same folder; a trailing backslash on either side gives
    // ".\" or an empty path, which name the same folder too.
    const std::wstring path = relative;
    return path == L"." || path == L".\\" || path.empty();
}
