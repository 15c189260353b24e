#include "installer/src/download_installer.h"

#include <windows.h>
#include <shlwapi.h>

#include <utility>

#include "download/downloader_factory.h"
#include "installer/src/diagnostic_log.h"
#include "installer/src/installer_settings.h"
#include "utils/directory_chain.h"
#include "utils/temp_folder.h"

namespace {

// The package deleted last, in this process; deleted again with the next
// one in case it came back.
std::wstring& LastDeletedPackage() {
    static std::wstring path;
    return path;
}

}  // namespace

CDownloadInstaller::CDownloadInstaller(InstallerCallback callback, std::wstring downloadUrl,
                                       std::wstring oldUninstallerPath, std::wstring installFolder,
                                       bool desktopShortcut, bool quickLaunch,
                                       bool administratorUser)
    : callback_(std::move(callback)) {
    parameters_.downloadUrl = std::move(downloadUrl);
    parameters_.oldUninstallerPath = std::move(oldUninstallerPath);
    parameters_.installFolder = std::move(installFolder);
    parameters_.desktopShortcut = desktopShortcut;
    parameters_.quickLaunch = quickLaunch;
    parameters_.administratorUser = administratorUser;
}

CDownloadInstaller::~CDownloadInstaller() {
    uninstallerRunner_.reset();
    downloader_.reset();
    packageRunner_.reset();
}

void CDownloadInstaller::SetStartParameters(const InstallStartParameters& parameters) {
    parameters_ = parameters;
}

void CDownloadInstaller::Start() {
    packagePath_ = parameters_.installFolder + L"\\__Package_Quillora.exe";
    QLOG(L"DL_TYPE=%d\r\n", Settings().downloadType);
    if (!downloader_) {
        downloader_ = CreateDownloader(
            Settings().downloadType,
            [this](int code, double value, const wchar_t* text) { OnDownloadEvent(code, value, text); },
            parameters_.downloadUrl, packagePath_);
    }
    if (!packageRunner_) {
        packageRunner_ = std::make_unique<CPackageRunner>(
            [this](int code, double value, const std::wstring& text) {
                OnInstallEvent(code, value, text);
            },
            L"\"" + packagePath_ + L"\"", parameters_.installFolder);
    }
    packageRunner_->SetInstallFolder(parameters_.installFolder);
    packageRunner_->SetSwitches({parameters_.desktopShortcut, parameters_.quickLaunch,
                                 parameters_.administratorUser, parameters_.elevated});

    const std::wstring& oldUninstaller = parameters_.oldUninstallerPath;
    if (!oldUninstaller.empty() && PathFileExistsW(oldUninstaller.c_str())) {
        const std::wstring temp = Utils::GetPrivateTempFolder();
        const std::wstring copy = temp.empty() ? std::wstring() : temp + L"\\Quillora_un_asa.exe";
        wchar_t oldFolder[MAX_PATH] = {};
        lstrcpynW(oldFolder, oldUninstaller.c_str(), MAX_PATH);
        PathRemoveFileSpecW(oldFolder);
        CopyFileW(oldUninstaller.c_str(), copy.c_str(), FALSE);
        uninstallerRunner_ = std::make_unique<CUninstallerRunner>(
            [this](int code, double value, const std::wstring& text) {
                OnUninstallEvent(code, value, text);
            },
            copy, oldFolder);
        uninstallerRunner_->Start();
        return;
    }
    downloader_->Start();
}

void CDownloadInstaller::OnDownloadEvent(int code, double value, const wchar_t* text) {
    callback_(code, value, text != nullptr ? text : L"");
    switch (code) {
        case DL_CODE_START:
            Utils::CreateDirectoryChain(parameters_.installFolder);
            QLOG(L"DL_CODE_START\r\n");
            break;
        case DL_CODE_PROGRESS:
            QLOG(L"DL_CODE_PROGRESS\r\n");
            break;
        case DL_CODE_SUCCESS:
            QLOG(L"DOWNLOAD_SUCCESS\r\n");
            packageRunner_->Start();
            QLOG(L"DL_CODE_SUCCESS\r\n");
            break;
        case DL_CODE_FAIL:
            DeletePackage();
            QLOG(L"DL_CODE_FAIL\r\n");
            break;
        case DL_CODE_RETRY:
            QLOG(L"DL_CODE_RETRY\r\n");
            downloader_->Start();
            break;
        default:
            break;
    }
}

void CDownloadInstaller::OnUninstallEvent(int code, double value, const std::wstring& text) {
    callback_(code, value, text);
    switch (code) {
        case RunnerEvent::UNIST_CODE_PROGRESS:
            QLOG(L"UNIST_CODE_PROGRESS\r\n");
            break;
        case RunnerEvent::UNIST_CODE_SUCCESS:
            QLOG(L"UNIST_CODE_SUCCESS\r\n");
            if (packageRunner_) downloader_->Start();
            break;
        case RunnerEvent::UNIST_CODE_FAIL:
            QLOG(L"UNIST_CODE_FAIL\r\n");
            break;
        case RunnerEvent::UNIST_CODE_ERROR:
            QLOG(L"UNIST_CODE_ERROR\r\n");
            break;
        default:
            break;
    }
}

void CDownloadInstaller::OnInstallEvent(int code, double value, const std::wstring& text) {
    callback_(code, value, text);
    switch (code) {
        case RunnerEvent::IST_CODE_START:
            QLOG(L"IST_CODE_START\r\n");
            break;
        case RunnerEvent::IST_CODE_PROGRESS:
            QLOG(L"IST_CODE_PROGRESS %f\r\n", value);
            break;
        case RunnerEvent::INSTALL_SUCCESS:
            DeletePackage();
            QLOG(L"INSTALL_SUCCESS\r\n");
            break;
        case RunnerEvent::IST_CODE_FAIL:
            DeletePackage();
            QLOG(L"IST_CODE_FAIL\r\n");
            break;
        default:
            break;
    }
}

void CDownloadInstaller::DeletePackage() {
    DeleteFileW(packagePath_.c_str());
    std::wstring& last = LastDeletedPackage();
    if (!last.empty()) DeleteFileW(last.c_str());
    last = packagePath_;
}
