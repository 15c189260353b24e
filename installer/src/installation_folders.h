#pragma once

// Pure rules for the installation's folders, apart from the system look-ups
// that feed them.

#include <string>

// `parent` and `child` joined with exactly one backslash.
std::wstring JoinPath(const std::wstring& parent, const std::wstring& child);

struct DefaultFolderInputs {
    std::wstring registeredFolder;
    bool registeredMarkerExists = false;
    bool consoleUserIsAdministrator = false;
    bool processIsElevated = false;
    std::wstring appData;          // empty when it cannot be read
    std::wstring programFilesX86;  // empty when the system has none
    std::wstring programFiles;
};

// The registered folder while its uninstaller marker exists; otherwise
// "<APPDATA>\vorta\Quillora" for an administrator running elevated, or
// "<Program Files (x86)>\Quillora".
std::wstring ChooseDefaultInstallFolder(const DefaultFolderInputs& inputs);

// Whether `folder` is `reference` itself, with or without a trailing
// backslash.
bool IsSameFolder(const std::wstring& reference, const std::wstring& folder);
