#include "installer/src/main_wnd.h"

#include "installer/src/folder_browser.h"
#include "installer/src/funnel_events.h"
#include "installer/src/funnel_labels.h"
#include "installer/src/installer_dialogs.h"
#include "installer/src/installer_settings.h"
#include "installer/src/installer_window_style.h"
#include "installer/src/main_wnd_pages.h"
#include "installer/src/main_wnd_timers.h"
#include "installer/src/product_launcher.h"
#include "installer/src/running_process.h"
#include "installer/src/target_folder_check.h"
#include "resources/resource_ids.h"
#include "ui/framework/option.h"
#include "ui/framework/progress.h"
#include "ui/framework/tab_layout.h"
#include "ui/sequence_control_factory.h"
#include "ui/sequence_label.h"

namespace {

constexpr wchar_t kProductExe[] = L"Quillora.exe";
constexpr wchar_t kUninstallerCopyExe[] = L"Quillora_un_asa.exe";
constexpr wchar_t kInstallNotify[] = L"install";
constexpr wchar_t kCheckNetNotify[] = L"checknet";

// The control as the framework class `interfaceName`, or null when it is
// missing or of another class.
template <typename T>
T* As(CControl* control, const wchar_t* interfaceName) {
    return control != nullptr ? static_cast<T*>(control->GetInterface(interfaceName)) : nullptr;
}

CSequenceLabel* AsSequenceLabel(CControl* control) {
    return control != nullptr && control->GetClass() == CSequenceLabel::kClassName
               ? static_cast<CSequenceLabel*>(control)
               : nullptr;
}

// A missing option box leaves its option on, as the layout has it.
bool IsSelectedOr(const COption* option, bool fallback) {
    return option != nullptr ? option->IsSelected() : fallback;
}

void SetVisible(CControl* control, bool visible) {
    if (control != nullptr) control->SetVisible(visible);
}

void SetEnabled(CControl* control, bool enabled) {
    if (control != nullptr) control->SetEnabled(enabled);
}

}  // namespace

CMainWnd::CMainWnd()
    : CSkinFrame(InstallerSkin(L"MainWnd.xml")), carouselPosition_(kCarouselStart) {}

CMainWnd::~CMainWnd() {
    networkCheck_.reset();
    installer_.reset();
    // Events the workers posted after the window was gone are never handled;
    // their records are freed here.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, kInstallerEventMessage, kInstallerEventMessage, PM_REMOVE)) {
        TakeInstallerEvent(msg.lParam);
    }
}

std::unique_ptr<CControl> CMainWnd::CreateControl(const std::wstring& element) {
    return CreateSequenceControl(element);
}

void CMainWnd::InitWindow() {
    CSkinFrame::InitWindow();
    ApplyInstallerWindowStyle(GetHWND());
    SetIcon(IDI_QUILLORA);
    FindControls();
    ShowProductName();

    HWND window = GetHWND();
    installer_ = std::make_unique<CDownloadInstaller>(
        [window](int code, double value, const std::wstring& text) {
            PostInstallerEvent(window, code, value, text);
        },
        L"", L"", L"", true, true, true);

    installation_.ReadRegistered();
    if (folderEdit_ != nullptr) folderEdit_->SetText(installation_.DefaultInstallFolder());
    CenterWindow();
    if (installation_.Exists()) AskAboutExistingInstallation();
}

void CMainWnd::FindControls() {
    windowContainer_ = FindControl(L"winCtn");
    titleTabs_ = As<CTabLayout>(FindControl(L"titleTabLt"), L"TabLayout");
    mainTabs_ = As<CTabLayout>(FindControl(L"mainTabLt"), L"TabLayout");
    defaultInstallButton_ = FindControl(L"defaultInstallBtn");
    customButton_ = FindControl(L"customeBtn");
    agreementCheck_ = As<COption>(FindControl(L"treatyCb"), L"Option");
    termsLink_ = As<COption>(FindControl(L"treatyBtn"), L"Option");
    agreementHint_ = FindControl(L"tipLbl");
    backButton_ = FindControl(L"backBtn");
    folderEdit_ = FindControl(L"installDirEdit");
    chooseFolderButton_ = FindControl(L"chDirBtn");
    desktopShortcutCheck_ = As<COption>(FindControl(L"createDSCb"), L"Option");
    quickLaunchCheck_ = As<COption>(FindControl(L"createQSCb"), L"Option");
    customInstallButton_ = FindControl(L"customeInstallBtn");
    progressAnimation_ = FindControl(L"progressAnLb");
    progressText_ = FindControl(L"progressLb");
    progressBar_ = As<CProgress>(FindControl(L"installPrg"), L"Progress");
    openProductButton_ = FindControl(L"openProduceBtn");
    titleButtons_ = FindControl(L"titleGrpCtn");
    productNameLabel_ = As<CLabel>(FindControl(L"softNameLbl"), L"Label");
    installLogo_ = FindControl(L"installLogo");
    finishedAnimation_ = FindControl(L"finishedLbl");
    carouselBackButton_ = FindControl(L"ableftBtn");
    carouselForwardButton_ = FindControl(L"abrightBtn");
}

// Labels that show the product's name get exactly the width it needs.
void CMainWnd::ShowProductName() {
    for (const wchar_t* name : {L"softNameLbl", L"bTitleLbl1", L"bTitleLbl2", L"bTitleLbl3"}) {
        CLabel* label = As<CLabel>(FindControl(name), L"Label");
        if (label == nullptr) continue;
        const SIZE size =
            GetPaintManager().MeasureText(label->GetFont(), kProductName, label->GetTextStyle());
        label->SetFixedWidth(size.cx);
        label->SetText(kProductName);
    }
}

void CMainWnd::AskAboutExistingInstallation() {
    if (IsProcessRunning(kProductExe)) {
        Dialogs::ShowProductRunning(GetHWND());
        Close(1);
        return;
    }
    switch (Dialogs::AskAboutExistingInstallation(GetHWND())) {
        case Dialogs::ExistingInstallationAnswer::kInstallLatest:
            StartInstallation(installation_.RegisteredFolder(), true, true);
            break;
        case Dialogs::ExistingInstallationAnswer::kOpenProduct:
            OpenInstalledProduct(installation_.RegisteredFolder());
            Close(1);
            break;
        case Dialogs::ExistingInstallationAnswer::kQuit:
            Close(1);
            break;
    }
}

bool CMainWnd::StartInstallation(const std::wstring& folder, bool desktopShortcut,
                                 bool quickLaunch) {
    if (IsProcessRunning(kUninstallerCopyExe)) {
        Dialogs::ShowProductRunning(GetHWND());
        if (installation_.Exists()) Close(1);
        return false;
    }
    if (IsProcessRunning(kProductExe)) {
        Dialogs::ShowProductRunning(GetHWND());
        Close(1);
        return false;
    }
    SetEnabled(customInstallButton_, false);
    const TargetFolderProblem problem = PrepareTargetFolder(folder);
    if (problem != TargetFolderProblem::kNone) {
        Dialogs::ShowNotice(GetHWND(), problem == TargetFolderProblem::kLowSpace
                                           ? Dialogs::kLowSpaceText
                                           : Dialogs::kInvalidPathText);
        SendOwnNotify(kInstallNotify, 0, false);
        return false;
    }

    targetFolder_ = folder;
    InstallStartParameters parameters;
    parameters.downloadUrl = Settings().downloadUrl;
    parameters.existingInstallFolder = installation_.RegisteredFolder();
    if (!installation_.KeepRegisteredInstallation(folder)) {
        parameters.oldUninstallerPath = installation_.RegisteredMarker();
    }
    parameters.installFolder = folder;
    parameters.desktopShortcut = desktopShortcut;
    parameters.quickLaunch = quickLaunch;
    parameters.administratorUser = installation_.ConsoleUserIsAdministrator();
    parameters.elevated = installation_.ProcessIsElevated();
    installer_->SetStartParameters(parameters);

    if (Settings().isCheckNet) {
        StartNetworkCheck();
    } else {
        SendOwnNotify(kInstallNotify, 1, true);
    }
    return true;
}

bool CMainWnd::StartCustomInstallation() {
    const std::wstring chosen = folderEdit_ != nullptr ? folderEdit_->GetText() : L"";
    return StartInstallation(installation_.TargetFolderFromChoice(chosen),
                             IsSelectedOr(desktopShortcutCheck_, true),
                             IsSelectedOr(quickLaunchCheck_, true));
}

void CMainWnd::StartNetworkCheck() {
    networkCheck_.reset();
    networkCheck_ = std::make_unique<Utils::Thread>(
        [this](void*) {
            SendOwnNotify(kCheckNetNotify, static_cast<WPARAM>(CheckNetworkWithCom()), true);
        },
        L"ABDEF");
    networkCheck_->Resume();
}

void CMainWnd::OnCheckNet(WPARAM result) {
    const bool usable = HIWORD(result) == 0;
    if (!usable) Dialogs::ShowNotice(GetHWND(), Dialogs::kPoorNetworkText);
    SendOwnNotify(kInstallNotify, usable ? 1 : 0, false);
}

void CMainWnd::OnInstall(bool goAhead) {
    if (goAhead) {
        if (windowContainer_ != nullptr && HasFastCarousel(kProductNumber)) {
            windowContainer_->SetTimer(MainWndTimer::kFastCarousel, MainWndTimer::kFastCarouselMs);
        }
        if (windowContainer_ != nullptr && carouselBackButton_ != nullptr) {
            windowContainer_->SetTimer(MainWndTimer::kCarousel, MainWndTimer::kCarouselMs);
        }
        previousPage_ = CurrentPage();
        SelectPage(kProgressPage);
        Funnel::ReportView(Funnel::kInstallingView, AbProperties());
        installer_->Start();
    }
    SetEnabled(customInstallButton_, true);
}

void CMainWnd::Notify(const NotifyMsg& msg) {
    if (msg.type == L"selectchanged") {
        OnSelectChanged(msg.sender);
    } else if (msg.type == L"tabselect") {
        OnPageChanged();
    } else if (msg.type == L"timer") {
        OnTimer(msg.sender, static_cast<UINT>(msg.wParam));
    } else if (msg.type == kInstallNotify) {
        OnInstall(msg.wParam != 0);
    } else if (msg.type == kCheckNetNotify) {
        OnCheckNet(msg.wParam);
    }
    CSkinFrame::Notify(msg);
}

void CMainWnd::OnClick(const NotifyMsg& msg) {
    const CControl* sender = msg.sender;
    if (sender == nullptr) return;
    if (const wchar_t* label = Funnel::ClickLabelOf(sender->GetName())) {
        Funnel::ReportClick(label, AbProperties());
    }
    if (sender == defaultInstallButton_) {
        if (IsSelectedOr(agreementCheck_, true)) {
            StartInstallation(installation_.DefaultInstallFolder(), true, true);
        } else {
            SetVisible(agreementHint_, true);
        }
    } else if (sender == customButton_) {
        SelectPage(kCustomInstallPage);
        if (customInstallButton_ != nullptr) customInstallButton_->SetFocus();
    } else if (sender == termsLink_) {
        OpenWebPage(kTermsUrl);
    } else if (sender == backButton_) {
        SelectPage(kDefaultInstallPage);
    } else if (sender == chooseFolderButton_) {
        const auto folder = BrowseForFolder(GetHWND(), L"选择一个文件夹");
        if (folder && folderEdit_ != nullptr) folderEdit_->SetText(*folder);
    } else if (sender == customInstallButton_) {
        StartCustomInstallation();
    } else if (sender == openProductButton_) {
        if (package_.startupStyle == kUserStartup) StartProductNow();
        Close(1);
    } else if (sender == carouselBackButton_ || sender == carouselForwardButton_) {
        StepCarousel(sender == carouselBackButton_ ? -1 : 1);
        RestartCarouselTimer();
    } else if (sender->GetName() == L"closebtn") {
        if (CurrentPage() == kFinishedPage || Dialogs::ConfirmExit(GetHWND())) Close(1);
    } else {
        CSkinFrame::OnClick(msg);
    }
}

void CMainWnd::OnSelectChanged(const CControl* sender) {
    if (sender == nullptr) return;
    if (sender == agreementCheck_) {
        const bool agreed = agreementCheck_->IsSelected();
        if (termsLink_ != nullptr) termsLink_->Selected(agreed);
        SetEnabled(customButton_, agreed);
        if (agreed) SetVisible(agreementHint_, false);
    } else if (sender == termsLink_ && agreementCheck_ != nullptr) {
        // The link only looks like a check box: it keeps the agreement's state.
        termsLink_->Selected(agreementCheck_->IsSelected());
    }
}

void CMainWnd::OnPageChanged() {
    const std::optional<PageLook> look = LookOfPage(CurrentPage());
    if (!look) return;
    if (look->stopsCarousel) StopCarouselTimers();
    if (windowContainer_ != nullptr) {
        windowContainer_->SetBkImage(look->background);
        windowContainer_->Invalidate();
    }
    if (titleTabs_ != nullptr && look->titlePage) titleTabs_->SelectItem(*look->titlePage, false);
    if (look->playsProgressAnimation) {
        if (CSequenceLabel* animation = AsSequenceLabel(progressAnimation_)) animation->Start();
    }
    if (look->playsFinishedAnimation) {
        if (CSequenceLabel* animation = AsSequenceLabel(progressAnimation_)) animation->Stop();
        if (CSequenceLabel* animation = AsSequenceLabel(finishedAnimation_)) animation->Start();
    }
    SetVisible(titleButtons_, look->showsTitleButtons);
    SetVisible(installLogo_, look->showsInstallLogo);
    SetVisible(backButton_, look->showsBackButton);
}

void CMainWnd::OnTimer(const CControl* sender, UINT id) {
    if (sender == nullptr || sender != windowContainer_) return;
    switch (id) {
        case MainWndTimer::kFastCarousel:
        case MainWndTimer::kCarousel:
            StepCarousel(1);
            break;
        case MainWndTimer::kTopShow:
            SetForegroundWindow(GetHWND());
            windowContainer_->KillTimer(MainWndTimer::kTopShow);
            break;
        case MainWndTimer::kFinishClose:
            Close(1);
            windowContainer_->KillTimer(MainWndTimer::kFinishClose);
            break;
        default:
            break;
    }
}

void CMainWnd::StepCarousel(int step) {
    carouselPosition_ += step;
    const wchar_t* image = CarouselImage(carouselPosition_);
    if (image == nullptr || windowContainer_ == nullptr) return;
    windowContainer_->SetBkImage(image);
    windowContainer_->Invalidate();
}

void CMainWnd::RestartCarouselTimer() {
    if (windowContainer_ == nullptr) return;
    windowContainer_->KillTimer(MainWndTimer::kCarousel);
    windowContainer_->SetTimer(MainWndTimer::kCarousel, MainWndTimer::kCarouselMs);
}

void CMainWnd::StopCarouselTimers() {
    if (windowContainer_ == nullptr) return;
    windowContainer_->KillTimer(MainWndTimer::kFastCarousel);
    windowContainer_->KillTimer(MainWndTimer::kCarousel);
}

void CMainWnd::SelectPage(int page) {
    if (mainTabs_ != nullptr) mainTabs_->SelectItem(page);
}

int CMainWnd::CurrentPage() const {
    return mainTabs_ != nullptr ? mainTabs_->GetCurSel() : kDefaultInstallPage;
}

void CMainWnd::SendOwnNotify(const wchar_t* type, WPARAM wParam, bool async) {
    GetPaintManager().SendNotify(windowContainer_, type, wParam, 0, async);
}

Funnel::Properties CMainWnd::AbProperties() const { return {{L"AB", abValue_}}; }

void CMainWnd::ReportDownloaderStart() {
    if (downloaderStartReported_) return;
    downloaderStartReported_ = true;
    Funnel::ReportTask(Funnel::kDownloaderStarted, 0.0f, L"", AbProperties());
}

LRESULT CMainWnd::HandleCustomMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    switch (message) {
        case WM_CLOSE:
            // The installation cannot be left halfway; the close button is
            // hidden on this page as well.
            handled = CurrentPage() == kProgressPage;
            return 0;
        case kDownloaderStartedMessage:
            ReportDownloaderStart();
            handled = true;
            return 0;
        case kInstallerEventMessage:
            if (const auto event = TakeInstallerEvent(lParam)) OnInstallerEvent(*event);
            handled = true;
            return 0;
        default:
            return CSkinFrame::HandleCustomMessage(message, wParam, lParam, handled);
    }
}
