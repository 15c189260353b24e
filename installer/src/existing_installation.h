#pragma once

// The traces an installation leaves and the installer reads and writes: the
// registry values "InstallPath" and "UnInstallEp", the uninstaller marker
// "uninst.ep" in the installation folder, and that folder's "set.ini" with
// its pointer to the analytics file shared with the installed product.
// Used on the main window's thread.

#include <string>

class ExistingInstallation {
public:
    // Reads the registered installation; a missing key or value leaves the
    // fields empty. The marker defaults to "uninst.ep" in the folder.
    void ReadRegistered();

    const std::wstring& RegisteredFolder() const { return registeredFolder_; }
    const std::wstring& RegisteredMarker() const { return registeredMarker_; }
    bool Exists() const { return !registeredFolder_.empty(); }
    // Forgets the registered marker, so that no uninstall runs.
    void DropRegisteredMarker() { registeredMarker_.clear(); }

    // The folder offered to the user; refreshes the administrator flags.
    std::wstring DefaultInstallFolder();
    bool IsDefaultFolder(const std::wstring& folder);

    // The folder the product goes to when the user typed or picked
    // `chosenFolder`: the default folder itself, or a "Quillora" subfolder.
    std::wstring TargetFolderFromChoice(const std::wstring& chosenFolder);

    // Whether installing into `targetFolder` leaves the registered
    // installation in place ("IsOverride=false" in the target's "set.ini").
    bool KeepRegisteredInstallation(const std::wstring& targetFolder) const;

    // After a successful installation: "InstallPath", and "UnInstallEp" when
    // the marker file exists. `reportedMarker` is what the package named
    // with "UninstEp=", or empty. Returns the new marker path.
    std::wstring RecordInRegistry(const std::wstring& targetFolder,
                                  const std::wstring& reportedMarker) const;

    // Writes "set.ini" in `targetFolder` and the shared analytics pointer.
    void WriteSetIni(const std::wstring& targetFolder) const;

    bool ConsoleUserIsAdministrator() const { return consoleUserIsAdministrator_; }
    bool ProcessIsElevated() const { return processIsElevated_; }

    // "<APPDATA or common documents>\VortaData\Quillora".
    static std::wstring SharedAnalyticsFolder();

private:
    std::wstring registeredFolder_;
    std::wstring registeredMarker_;
    bool consoleUserIsAdministrator_ = false;
    bool processIsElevated_ = false;
};
