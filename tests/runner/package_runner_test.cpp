#include "installer/src/package_runner.h"

#include <gtest/gtest.h>

#include "installer/src/installer_settings.h"
#include "tests/runner/runner_test_events.h"
#include "tests/support/test_packages.h"

namespace {

using namespace RunnerEvent;
using RunnerTest::EventRecorder;
using RunnerTest::ScenarioCase;

// Runs `packageCommand` to its end; the runner's destructor waits for it.
std::vector<ConsoleEvent> RunPackage(const std::wstring& packageCommand,
                                     const std::wstring& installFolder = L"") {
    EventRecorder recorder;
    {
        CPackageRunner runner(recorder.Callback(), packageCommand, installFolder);
        runner.Start();
    }
    return recorder.Events();
}

std::wstring FakePackage(const std::wstring& scenario) {
    return L"\"" + TestSupport::FakePackageExe() + L"\" -scenario=" + scenario;
}

// Every run begins with these two.
std::vector<ConsoleEvent> Begun(std::vector<ConsoleEvent> events) {
    events.insert(events.begin(), {{IST_CODE_START, 0.0, L""}, {IST_CODE_PROGRESS, 0.0, L""}});
    return events;
}

class PackageScenarioTest : public testing::TestWithParam<ScenarioCase> {};

TEST_P(PackageScenarioTest, ReportsExactly) {
    const ScenarioCase& c = GetParam();
    EXPECT_EQ(RunPackage(FakePackage(Utils::FromUtf8(c.scenario))), Begun(c.expected));
}

const ConsoleEvent kHalfway{IST_CODE_PROGRESS, 0.5, L""};
const ConsoleEvent kStateSuccess{INSTALL_SUCCESS, 0.0, L""};
const ConsoleEvent kStateFail{IST_CODE_FAIL, 0.0, L"安装包安装失败"};
const ConsoleEvent kAbnormalEnd{IST_CODE_FAIL, 3.0, L"安装包安装失败"};

INSTANTIATE_TEST_SUITE_P(
    FakePackage, PackageScenarioTest,
    testing::Values(
        // A package that ends cleanly without a state has installed.
        ScenarioCase{"silent-exit", {kHalfway, {INSTALL_SUCCESS, 1.0, L""}}},
        // One that crashes or exits with an error has not.
        ScenarioCase{"exit-code", {kHalfway, kAbnormalEnd}},
        ScenarioCase{"crash", {kHalfway, kAbnormalEnd}},
        // The state printed just before the exit is still read.
        ScenarioCase{"fail-then-exit", {kHalfway, kStateFail}},
        ScenarioCase{"split-lines",
                     {{IST_CODE_PROGRESS, 0.25, L""}, {MESSAGE, 0.0, L"中文"}, kStateFail}},
        ScenarioCase{"encodings",
                     {{MESSAGE, 0.0, L"中文"},
                      {MESSAGE, 0.0, L"中文"},
                      {MESSAGE, 0.0, L"中文"},
                      {MESSAGE, 0.0, L"中文"},
                      kStateSuccess}},
        ScenarioCase{"error-then-success", {{IST_CODE_FAIL, 1000.0, L"磁盘空间不足"}}},
        // Output after the verdict is read and dropped, so the package never
        // blocks on a full pipe.
        ScenarioCase{"after-verdict", {kStateSuccess}},
        // A flood on standard error is drained as well.
        ScenarioCase{"stderr-flood", {kStateSuccess}},
        ScenarioCase{"long-lines",
                     {{INST_PATH, 0.0, std::wstring(ConsoleProtocol::kMaxTextLength, L'a')},
                      {MESSAGE, 0.0, std::wstring(ConsoleProtocol::kMaxTextLength, L'b')},
                      kStateSuccess}}),
    RunnerTest::ScenarioTestName);

TEST(PackageRunner, MissingPackageFailsToStart) {
    EXPECT_EQ(RunPackage(L"\"" + TestSupport::TestPackagesDir() + L"\\missing.exe\""),
              Begun({{IST_CODE_FAIL, 2.0, L""}}));
}

TEST(PackageRunner, CommandLineTooLongFailsToStart) {
    EXPECT_EQ(RunPackage(FakePackage(L"silent-exit"), L"C:\\" + std::wstring(1000, L'q')),
              Begun({{IST_CODE_FAIL, 2.0, L""}}));
}

TEST(PackageRunner, PackageReceivesTheCommandLineAsBuilt) {
    Settings().instCmd = L"-isoverride=false";
    const std::wstring folder = L"C:\\Program Files\\Quillora 安装";
    PackageSwitches switches;
    switches.desktopShortcut = true;
    switches.elevated = true;
    EventRecorder recorder;
    {
        CPackageRunner runner(recorder.Callback(), FakePackage(L"echo"), L"C:\\elsewhere");
        runner.SetInstallFolder(folder);
        runner.SetSwitches(switches);
        runner.Start();
    }
    Settings().instCmd.clear();
    const std::wstring expected =
        BuildPackageCommandLine(FakePackage(L"echo"), switches, L"-isoverride=false", folder);
    EXPECT_EQ(recorder.Events(), Begun({{MESSAGE, 0.0, expected}, kStateSuccess}));
}

TEST(PackageRunner, StartsAgainAfterTheFirstRun) {
    EventRecorder recorder;
    {
        CPackageRunner runner(recorder.Callback(), FakePackage(L"silent-exit"), L"");
        runner.Start();
        runner.Start();
    }
    const std::vector<ConsoleEvent> once = Begun({kHalfway, {INSTALL_SUCCESS, 1.0, L""}});
    std::vector<ConsoleEvent> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(recorder.Events(), twice);
}

}  // namespace
