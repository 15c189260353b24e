#include "installer/src/package_runner.h"

#include <utility>
#include <vector>

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
    std::vector<ConsoleEvent> verdicts;
    ConsoleOutputParser parser(PackageProtocolTable(), [&](const ConsoleEvent& event) {
        if (IsVerdict(event.code)) {
            verdicts.push_back(event);
        } else {
            Report(event.code, event.value, event.text);
        }
    });
    const auto exitCode = RunConsoleChild(commandLine_, parser);
    for (const ConsoleEvent& verdict : verdicts) Report(verdict.code, verdict.value, verdict.text);
    version_ = parser.Protocol().Version();
    if (!exitCode) {
        Report(IST_CODE_FAIL, kStartFailed);
    } else if (!parser.GaveVerdict()) {
        // Without a state line, the exit code is the package's only verdict:
        // a crash or an error exit must not pass for an installation.
        if (*exitCode == 0) {
            Report(INSTALL_SUCCESS, kEndedWithoutState);
        } else {
            Report(IST_CODE_FAIL, kAbnormalExit, kPackageFailedText);
        }
    }
}

void CPackageRunner::Report(int code, double value, const std::wstring& text) const {
    callback_(code, value, text);
}
