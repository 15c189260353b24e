#pragma once

// The installer's only top-level window. It shows "MainWnd.xml", leads the
// user from the first page to the installation, checks the target folder
// before anything is downloaded, hands the work to the download-and-install
// orchestrator and turns the orchestrator's events into pages, progress and
// dialogs. Everything here runs on the UI thread; the orchestrator and the
// network check reach the window only through posted messages and
// notifications.

#include <windows.h>

#include <memory>
#include <string>

#include "installer/src/download_installer.h"
#include "installer/src/existing_installation.h"
#include "installer/src/funnel_events.h"
#include "installer/src/installer_event_record.h"
#include "installer/src/package_report.h"
#include "ui/skin_frame.h"
#include "utils/stopwatch.h"
#include "utils/thread.h"

class CLabel;
class COption;
class CProgress;
class CTabLayout;

class CMainWnd : public CSkinFrame {
public:
    // Sent by a program outside the installer; the first one counts as the
    // downloader's start.
    static constexpr UINT kDownloaderStartedMessage = WM_USER + 200;

    CMainWnd();
    // Waits for the network check, then releases the orchestrator (which
    // waits for its workers), and frees events still queued for the window.
    ~CMainWnd() override;

    std::unique_ptr<CControl> CreateControl(const std::wstring& element) override;
    void Notify(const NotifyMsg& msg) override;

protected:
    void InitWindow() override;
    void OnClick(const NotifyMsg& msg) override;
    LRESULT HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    static constexpr wchar_t kProductName[] = L"Quillora";

    void FindControls();
    void ShowProductName();
    void AskAboutExistingInstallation();

    // Checks and starts one installation into `folder`; false when a check
    // stopped it.
    bool StartInstallation(const std::wstring& folder, bool desktopShortcut, bool quickLaunch);
    // The same with the custom page's folder and options.
    bool StartCustomInstallation();
    void StartNetworkCheck();
    void OnCheckNet(WPARAM result);
    void OnInstall(bool goAhead);

    void OnPageChanged();
    void OnSelectChanged(const CControl* sender);
    void OnTimer(const CControl* sender, UINT id);
    void StepCarousel(int step);
    void RestartCarouselTimer();
    void StopCarouselTimers();
    void SelectPage(int page);
    int CurrentPage() const;
    // Sends a notification of the window to itself, from "winCtn".
    void SendOwnNotify(const wchar_t* type, WPARAM wParam, bool async);
    void ReportDownloaderStart();
    // The A/B group every funnel report of the window carries.
    Funnel::Properties AbProperties() const;

    // Installer events (WM_USER + 1000).
    void OnInstallerEvent(const InstallerEventRecord& event);
    void OnDownloadStart();
    void OnDownloadFailed(const InstallerEventRecord& event);
    void OnUninstallFailed();
    void OnInstallSucceeded();
    void OnInstallFailed(const InstallerEventRecord& event);
    void ShowPercent(int percent);
    void StartProductNow();

    // Controls; any of them may be missing from a skin.
    CControl* windowContainer_ = nullptr;  // "winCtn"
    CTabLayout* titleTabs_ = nullptr;
    CTabLayout* mainTabs_ = nullptr;
    CControl* defaultInstallButton_ = nullptr;
    CControl* customButton_ = nullptr;
    COption* agreementCheck_ = nullptr;  // "treatyCb"
    COption* termsLink_ = nullptr;       // "treatyBtn"
    CControl* agreementHint_ = nullptr;  // "tipLbl"
    CControl* backButton_ = nullptr;
    CControl* folderEdit_ = nullptr;          // "installDirEdit"
    CControl* chooseFolderButton_ = nullptr;  // "chDirBtn"
    COption* desktopShortcutCheck_ = nullptr;
    COption* quickLaunchCheck_ = nullptr;
    CControl* customInstallButton_ = nullptr;
    CControl* progressAnimation_ = nullptr;
    CControl* progressText_ = nullptr;
    CProgress* progressBar_ = nullptr;
    CControl* openProductButton_ = nullptr;
    CControl* titleButtons_ = nullptr;  // "titleGrpCtn"
    CLabel* productNameLabel_ = nullptr;
    CControl* installLogo_ = nullptr;
    CControl* finishedAnimation_ = nullptr;
    CControl* carouselBackButton_ = nullptr;
    CControl* carouselForwardButton_ = nullptr;

    ExistingInstallation installation_;
    std::unique_ptr<CDownloadInstaller> installer_;
    PackageReport package_;
    std::wstring targetFolder_;
    Utils::Stopwatch downloadStopwatch_;
    std::unique_ptr<Utils::Thread> networkCheck_;
    int previousPage_ = 0;
    double displayedInstallFraction_ = 0.0;
    int carouselPosition_;
    std::wstring abValue_ = L"IN";
    bool downloaderStartReported_ = false;
};
