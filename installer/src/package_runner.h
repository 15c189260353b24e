#pragma once

// Runs the downloaded setup package silently and reports what it prints as
// installation events (2001 to 2004) and package information (3000 to
// 3009), on a worker thread named "ABDEF".

#include <memory>
#include <string>

#include "installer/src/console_protocol.h"
#include "installer/src/runner_command_lines.h"
#include "installer/src/runner_events.h"
#include "utils/thread.h"

class CPackageRunner {
public:
    // `packageCommand` is the package path in double quotes; an empty
    // `installFolder` lets the package choose.
    CPackageRunner(RunnerCallback callback, std::wstring packageCommand,
                   std::wstring installFolder);
    // Waits for the worker thread.
    ~CPackageRunner();
    CPackageRunner(const CPackageRunner&) = delete;
    CPackageRunner& operator=(const CPackageRunner&) = delete;

    // The owner sets these before every Start.
    void SetInstallFolder(const std::wstring& installFolder) { installFolder_ = installFolder; }
    void SetSwitches(const PackageSwitches& switches) { switches_ = switches; }

    // Runs the package on a new worker thread, after the previous one (if
    // any) has ended.
    void Start();

    // Waits until the current run, if any, has ended with its package.
    void Wait();

    // The version from the package's "InstallVersion=" line; read it only
    // once the run has ended.
    InstalledVersion Version() const { return version_; }

private:
    void Run();
    void Report(int code, double value, const std::wstring& text = {}) const;

    RunnerCallback callback_;
    std::wstring packageCommand_;
    std::wstring installFolder_;
    PackageSwitches switches_;
    std::wstring commandLine_;
    InstalledVersion version_;
    std::unique_ptr<Utils::Thread> worker_;
};
