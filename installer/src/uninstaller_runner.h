#pragma once

// Runs the uninstaller of an earlier installation silently and reports what
// it prints as uninstall events (5002 to 5005), on a worker thread named
// "UnInstaller".

#include <memory>
#include <string>

#include "installer/src/runner_events.h"
#include "utils/thread.h"

class CUninstallerRunner {
public:
    // `uninstallerPath` is the program to run (a copy outside the old
    // installation); `oldInstallFolder` the installation it removes.
    CUninstallerRunner(RunnerCallback callback, std::wstring uninstallerPath,
                       std::wstring oldInstallFolder);
    // Waits for the worker thread.
    ~CUninstallerRunner();
    CUninstallerRunner(const CUninstallerRunner&) = delete;
    CUninstallerRunner& operator=(const CUninstallerRunner&) = delete;

    // Runs the uninstaller on the worker thread.
    void Start();

private:
    void Run();
    void Report(int code, double value, const std::wstring& text = {}) const;

    RunnerCallback callback_;
    std::wstring uninstallerPath_;
    std::wstring oldInstallFolder_;
    std::wstring commandLine_;
    std::unique_ptr<Utils::Thread> worker_;
};
