#include "installer/src/uninstaller_runner.h"

#include <gtest/gtest.h>

#include "installer/src/runner_command_lines.h"
#include "tests/runner/runner_test_events.h"
#include "tests/runner/scratch_folder.h"
#include "tests/support/test_packages.h"
#include "utils/administrator_checks.h"

namespace {

using namespace RunnerEvent;
using RunnerTest::EventRecorder;
using RunnerTest::ScenarioCase;

std::vector<ConsoleEvent> RunUninstaller(const std::wstring& uninstallerPath,
                                         const std::wstring& oldFolder) {
    EventRecorder recorder;
    {
        CUninstallerRunner runner(recorder.Callback(), uninstallerPath, oldFolder);
        runner.Start();
    }
    return recorder.Events();
}

class UninstallerScenarioTest : public testing::TestWithParam<ScenarioCase> {};

// The uninstaller's path names the program alone, so the fake package takes
// its scenario from its file name here.
TEST_P(UninstallerScenarioTest, ReportsExactly) {
    const ScenarioCase& c = GetParam();
    RunnerTest::ScratchFolder folder(L"quillora-uninstaller");
    const std::wstring uninstaller = folder.Path() + L"\\" + Utils::FromUtf8(c.scenario) + L".exe";
    ASSERT_TRUE(CopyFileW(TestSupport::FakePackageExe().c_str(), uninstaller.c_str(), FALSE));
    EXPECT_EQ(RunUninstaller(uninstaller, L"C:\\Old Quillora"), c.expected);
}

const ConsoleEvent kBegun{UNIST_CODE_PROGRESS, 0.0, L""};
const ConsoleEvent kHalfway{UNIST_CODE_PROGRESS, 0.5, L""};
const ConsoleEvent kFailed{UNIST_CODE_ERROR, 0.0, L"安装包卸载失败"};

INSTANTIATE_TEST_SUITE_P(
    FakeUninstaller, UninstallerScenarioTest,
    testing::Values(
        // Reading goes on after a verdict, so both lines count and no final
        // success follows.
        ScenarioCase{
            "error-then-success",
            {kBegun, {UNIST_CODE_ERROR, 0.0, L"磁盘空间不足"}, {UNIST_CODE_SUCCESS, 0.0, L""}}},
        ScenarioCase{"silent-exit", {kBegun, kHalfway, {UNIST_CODE_SUCCESS, 1.0, L""}}},
        ScenarioCase{"crash", {kBegun, kHalfway, kFailed}},
        ScenarioCase{"exit-code", {kBegun, kHalfway, kFailed}},
        ScenarioCase{"fail-then-exit", {kBegun, kHalfway, kFailed}},
        ScenarioCase{"stderr-flood", {kBegun, {UNIST_CODE_SUCCESS, 0.0, L""}}}),
    RunnerTest::ScenarioTestName);

TEST(UninstallerRunner, UninstallerReceivesTheCommandLineAsBuilt) {
    RunnerTest::ScratchFolder folder(L"quillora-uninstaller");
    const std::wstring uninstaller = folder.Path() + L"\\echo-error.exe";
    ASSERT_TRUE(CopyFileW(TestSupport::FakePackageExe().c_str(), uninstaller.c_str(), FALSE));
    const std::wstring oldFolder = L"C:\\Program Files\\Quillora 旧版";
    const std::wstring expected = BuildUninstallerCommandLine(
        uninstaller, Utils::ConsoleUserIsAdministrator(), Utils::ProcessIsElevated(), oldFolder);
    EXPECT_EQ(RunUninstaller(uninstaller, oldFolder),
              (std::vector<ConsoleEvent>{kBegun, {UNIST_CODE_ERROR, 0.0, expected}}));
}

TEST(UninstallerRunner, MissingUninstallerStartsNothing) {
    EXPECT_EQ(RunUninstaller(TestSupport::TestPackagesDir() + L"\\missing.exe", L"C:\\Quillora"),
              (std::vector<ConsoleEvent>{{UNIST_CODE_FAIL, 1.0, L"可执行卸载文件不存在"}}));
}

TEST(UninstallerRunner, FileThatIsNoProgramFailsToStart) {
    RunnerTest::ScratchFolder folder(L"quillora-uninstaller");
    const std::wstring notAProgram = folder.Path() + L"\\uninst.ep";
    ASSERT_TRUE(CopyFileW(
        (TestSupport::SourceDir() + L"\\tests\\packages\\setup_package\\readme.txt").c_str(),
        notAProgram.c_str(), FALSE));
    EXPECT_EQ(RunUninstaller(notAProgram, L"C:\\Quillora"),
              (std::vector<ConsoleEvent>{kBegun, {UNIST_CODE_FAIL, 2.0, L""}}));
}

}  // namespace
