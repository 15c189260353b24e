// The main window's handling of installer events: the orchestrator's
// reports, posted as WM_USER + 1000, drive the progress page, the failure
// dialogs, the funnel reports, the record of the finished installation and
// the start of the product.

#include "download/downloader.h"
#include "installer/src/download_failure_probe.h"
#include "installer/src/event_values.h"
#include "installer/src/funnel_labels.h"
#include "installer/src/installer_dialogs.h"
#include "installer/src/installer_settings.h"
#include "installer/src/main_wnd.h"
#include "installer/src/main_wnd_pages.h"
#include "installer/src/main_wnd_timers.h"
#include "installer/src/product_launcher.h"
#include "installer/src/progress_display.h"
#include "installer/src/runner_events.h"
#include "ui/framework/progress.h"
#include "ui/skin_resource_store.h"

namespace {

// A finishing look of the bar that a skin may ship beside the program.
constexpr wchar_t kFinishedBarImage[] = L"res\\mainWnd\\installPrg3.png";

}  // namespace

void CMainWnd::OnInstallerEvent(const InstallerEventRecord& event) {
    if (package_.Apply(event.code, event.value, event.text)) return;
    switch (event.code) {
        case DL_CODE_START:
            OnDownloadStart();
            break;
        case DL_CODE_PROGRESS:
            ShowPercent(DownloadPercent(event.value, Settings().downloadScale));
            break;
        case DL_CODE_SUCCESS:
            Funnel::ReportTask(Funnel::kPackageDownloaded, downloadStopwatch_.ElapsedSeconds(), L"",
                               AbProperties());
            break;
        case DL_CODE_FAIL:
            OnDownloadFailed(event);
            break;
        case DL_CODE_MD5:
            Funnel::ReportTask(Funnel::kDownloadFailed, 0.0f,
                               CodeAndMessageReason(event.value, event.text), AbProperties());
            break;
        case RunnerEvent::IST_CODE_START:
            installation_.WriteSetIni(targetFolder_);
            break;
        case RunnerEvent::IST_CODE_PROGRESS:
            displayedInstallFraction_ = NextInstallFraction(displayedInstallFraction_, event.value);
            ShowPercent(InstallPercent(displayedInstallFraction_, Settings().downloadScale));
            break;
        case RunnerEvent::INSTALL_SUCCESS:
            OnInstallSucceeded();
            break;
        case RunnerEvent::IST_CODE_FAIL:
            OnInstallFailed(event);
            break;
        case RunnerEvent::INST_PATH:
            // An empty report would record an installation without a folder.
            if (!event.text.empty()) targetFolder_ = event.text;
            break;
        case RunnerEvent::MESSAGE:
            Dialogs::ShowPackageMessage(GetHWND(), event.text);
            break;
        case RunnerEvent::UNIST_CODE_FAIL:
        case RunnerEvent::UNIST_CODE_ERROR:
            OnUninstallFailed();
            break;
        default:
            break;
    }
}

void CMainWnd::OnDownloadStart() {
    if (!downloaderStartReported_) abValue_ = Settings().AbGroup();
    ReportDownloaderStart();
    downloadStopwatch_.Start();
    Funnel::ReportTask(Funnel::kPackageDownloadStarted, 0.0f, L"", AbProperties());
}

void CMainWnd::OnDownloadFailed(const InstallerEventRecord& event) {
    Funnel::ReportTask(Funnel::kDownloadFailed, 0.0f,
                       Funnel::DescribeDownloadFailure(installer_->PackagePath(),
                                                       TruncateToLong(event.value), event.text),
                       AbProperties());
    switch (Dialogs::AskAfterDownloadFailure(GetHWND())) {
        case Dialogs::DownloadFailureAnswer::kRetry:
            if (previousPage_ == kDefaultInstallPage) {
                StartInstallation(installation_.DefaultInstallFolder(), true, true);
            } else if (previousPage_ == kCustomInstallPage) {
                StartCustomInstallation();
            }
            break;
        case Dialogs::DownloadFailureAnswer::kLater:
            if (installation_.Exists()) Close(1);
            break;
        case Dialogs::DownloadFailureAnswer::kBack:
            break;
    }
    // A restarted installation comes back to the progress page through its
    // own queued "install" notification, after this.
    SelectPage(previousPage_);
}

void CMainWnd::OnUninstallFailed() {
    Dialogs::ShowProductRunning(GetHWND());
    SelectPage(previousPage_);
    if (installation_.Exists()) Close(1);
}

void CMainWnd::OnInstallSucceeded() {
    Funnel::ReportTask(Funnel::kInstallSucceeded, 0.0f, L"", AbProperties());
    if (progressBar_ != nullptr) {
        progressBar_->SetValue(100);
        const std::wstring finishedBar = SkinResourceStore().ResourcePath() + kFinishedBarImage;
        if (GetFileAttributesW(finishedBar.c_str()) != INVALID_FILE_ATTRIBUTES) {
            progressBar_->SetForeImage(finishedBar);
            progressBar_->Invalidate();
        }
    }
    StopCarouselTimers();
    if (productNameLabel_ != nullptr) {
        productNameLabel_->SetText(kProductName);
        productNameLabel_->SetVisible(true);
    }
    SelectPage(kFinishedPage);

    package_.uninstallerMarker =
        installation_.RecordInRegistry(targetFolder_, package_.uninstallerMarker);
    installation_.WriteSetIni(targetFolder_);
    if (package_.startupStyle == kAutoStartup) StartProductNow();

    if (windowContainer_ == nullptr) return;
    if (package_.topShowDelayMs != 0) {
        windowContainer_->SetTimer(MainWndTimer::kTopShow, package_.topShowDelayMs);
    }
    if (package_.finishCloseDelayMs != 0) {
        windowContainer_->SetTimer(MainWndTimer::kFinishClose, package_.finishCloseDelayMs);
    }
}

void CMainWnd::OnInstallFailed(const InstallerEventRecord& event) {
    Funnel::ReportTask(Funnel::kInstallFailed, 0.0f, CodeAndMessageReason(event.value, event.text),
                       AbProperties());
    Dialogs::ShowNotice(GetHWND(), event.text.empty() ? Dialogs::kInstallFailedText : event.text);
    if (progressBar_ != nullptr && progressBar_->GetValue() >= kFailureResetThreshold) {
        if (progressText_ != nullptr) progressText_->SetText(kInitialProgressText);
        progressBar_->SetValue(0);
    }
    SelectPage(kDefaultInstallPage);
}

void CMainWnd::ShowPercent(int percent) {
    if (progressText_ != nullptr) {
        progressText_->SetText(ProgressText(progressText_->GetUserData(), percent,
                                            downloadStopwatch_.ElapsedSeconds()));
    }
    if (progressBar_ != nullptr) progressBar_->SetValue(percent);
}

void CMainWnd::StartProductNow() {
    StartProduct(GetHWND(), package_.startUrl, package_.productExe);
}
