#pragma once

#include <windows.h>

#include <optional>
#include <string>

// The system's folder browser owned by `owner`, in its new style, titled
// `title`; the chosen folder's path, or nothing when the user cancelled or
// chose something that is not a file-system folder.
std::optional<std::wstring> BrowseForFolder(HWND owner, const wchar_t* title);

// Utils::CheckNetwork on the calling thread, with COM set up for it.
int CheckNetworkWithCom();
