#pragma once

// Carries one installation from start to end: runs the registered
// installation's uninstaller (when there is one), downloads the setup
// package, runs it, and deletes it afterwards. Every event of every step is
// passed on unchanged to the owner's callback, on the worker thread that
// produced it; the orchestrator only chains the steps.

#include <memory>
#include <string>

#include "download/downloader.h"
#include "installer/src/package_runner.h"
#include "installer/src/runner_events.h"
#include "installer/src/uninstaller_runner.h"

// (code, value, text): 1001-1006 download, 2001-2004 installation,
// 3000-3009 package information, 5002-5005 uninstallation.
using InstallerCallback = RunnerCallback;

struct InstallStartParameters {
    std::wstring downloadUrl;
    std::wstring existingInstallFolder;
    std::wstring oldUninstallerPath;  // marker of the registered installation, or empty
    std::wstring installFolder;
    bool desktopShortcut = true;
    bool quickLaunch = true;
    bool administratorUser = true;
    bool elevated = false;
};

class CDownloadInstaller {
public:
    CDownloadInstaller(InstallerCallback callback, std::wstring downloadUrl,
                       std::wstring oldUninstallerPath, std::wstring installFolder,
                       bool desktopShortcut, bool quickLaunch, bool administratorUser);
    // Waits for every worker, the uninstaller's first: it may start the
    // download, which may start the package.
    ~CDownloadInstaller();
    CDownloadInstaller(const CDownloadInstaller&) = delete;
    CDownloadInstaller& operator=(const CDownloadInstaller&) = delete;

    void SetStartParameters(const InstallStartParameters& parameters);

    // Begins the work and returns at once. Called again after a failed
    // download, it restarts the same downloader.
    void Start();

    // Where the package is downloaded to: install folder + "\__Package_Quillora.exe".
    const std::wstring& PackagePath() const { return packagePath_; }

private:
    void OnDownloadEvent(int code, double value, const wchar_t* text);
    void OnUninstallEvent(int code, double value, const std::wstring& text);
    void OnInstallEvent(int code, double value, const std::wstring& text);
    void DeletePackage();

    InstallerCallback callback_;
    InstallStartParameters parameters_;
    std::wstring packagePath_;
    std::unique_ptr<CDownloader> downloader_;
    std::unique_ptr<CPackageRunner> packageRunner_;
    std::unique_ptr<CUninstallerRunner> uninstallerRunner_;
};
