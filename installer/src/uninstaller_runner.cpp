#include "installer/src/uninstaller_runner.h"

#include <shlwapi.h>

#include <utility>

#include "installer/src/console_child.h"
#include "installer/src/diagnostic_log.h"
#include "installer/src/runner_command_lines.h"
#include "utils/administrator_checks.h"

CUninstallerRunner::CUninstallerRunner(RunnerCallback callback, std::wstring uninstallerPath,
                                       std::wstring oldInstallFolder)
    : callback_(std::move(callback)),
      uninstallerPath_(std::move(uninstallerPath)),
      oldInstallFolder_(std::move(oldInstallFolder)) {}

CUninstallerRunner::~CUninstallerRunner() { worker_.reset(); }

void CUninstallerRunner::Start() {
    worker_.reset();
    commandLine_ =
        BuildUninstallerCommandLine(uninstallerPath_, Utils::ConsoleUserIsAdministrator(),
                                    Utils::ProcessIsElevated(), oldInstallFolder_);
    worker_ = std::make_unique<Utils::Thread>([this](void*) { Run(); }, L"UnInstaller");
    if (!worker_->Resume()) {
        QLOG(L"The uninstaller runner's thread did not start");
        Report(RunnerEvent::UNIST_CODE_FAIL, RunnerEvent::kStartFailed);
    }
}

void CUninstallerRunner::Run() {
    using namespace RunnerEvent;
    if (!PathFileExistsW(uninstallerPath_.c_str())) {
        Report(UNIST_CODE_FAIL, kUninstallerMissing, kUninstallerMissingText);
        return;
    }
    Report(UNIST_CODE_PROGRESS, 0.0);
    const ConsoleChildOutcome outcome = RunProtocolChild(
        commandLine_, UninstallerProtocolTable(),
        [this](const ConsoleEvent& event) { Report(event.code, event.value, event.text); });
    if (!outcome.exitCode) {
        Report(UNIST_CODE_FAIL, kStartFailed);
    } else if (!outcome.gaveVerdict) {
        // As for the package: without a state line, only a clean exit
        // counts as a removed installation.
        if (*outcome.exitCode == 0) {
            Report(UNIST_CODE_SUCCESS, kEndedWithoutState);
        } else {
            Report(UNIST_CODE_ERROR, 0.0, kUninstallFailedText);
        }
    }
}

void CUninstallerRunner::Report(int code, double value, const std::wstring& text) const {
    callback_(code, value, text);
}
