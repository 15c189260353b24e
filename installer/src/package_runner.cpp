#include "installer/src/package_runner.h"

#include <utility>

#include "installer/src/console_child.h"
#include "installer/src/diagnostic_log.h"
#include "installer/src/installer_settings.h"

CPackageRunner::CPackageRunner(RunnerCallback callback, std::wstring packageCommand,
                               std::wstring installFolder)
    : callback_(std::move(callback)),
      packageCommand_(std::move(packageCommand)),
      installFolder_(std::move(installFolder)) {}

CPackageRunner::~CPackageRunner() { worker_.reset(); }

void CPackageRunner::Start() {
    worker_.reset();
    commandLine_ =
        BuildPackageCommandLine(packageCommand_, switches_, Settings().instCmd, installFolder_);
    worker_ = std::make_unique<Utils::Thread>([this](void*) { Run(); }, L"ABDEF");
    if (!worker_->Resume()) {
        QLOG(L"The package runner's thread did not start");
        Report(RunnerEvent::IST_CODE_FAIL, RunnerEvent::kStartFailed);
    }
}

void CPackageRunner::Wait() {
    if (worker_) worker_->Wait();
}

void CPackageRunner::Run() {
    using namespace RunnerEvent;
    Report(IST_CODE_START, 0.0);
    Report(IST_CODE_PROGRESS, 0.0);
    const ConsoleChildOutcome outcome = RunProtocolChild(
        commandLine_, PackageProtocolTable(),
        [this](const ConsoleEvent& event) { Report(event.code, event.value, event.text); });
    version_ = outcome.version;
    if (!outcome.exitCode) {
        Report(IST_CODE_FAIL, kStartFailed);
    } else if (!outcome.gaveVerdict) {
        // Without a state line, the exit code is the package's only verdict:
        // a crash or an error exit must not pass for an installation.
        if (*outcome.exitCode == 0) {
            Report(INSTALL_SUCCESS, kEndedWithoutState);
        } else {
            Report(IST_CODE_FAIL, kAbnormalExit, kPackageFailedText);
        }
    }
}

void CPackageRunner::Report(int code, double value, const std::wstring& text) const {
    callback_(code, value, text);
}
