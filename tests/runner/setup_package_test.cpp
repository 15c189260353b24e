// The NSIS setup package and its uninstaller, run through the two runners as
// the orchestrator runs them: the package into a chosen folder, then the
// uninstaller marker it left there, copied out of that folder, with "_?=".

#include <gtest/gtest.h>
#include <shlwapi.h>

#include "installer/src/installer_settings.h"
#include "installer/src/package_runner.h"
#include "installer/src/uninstaller_runner.h"
#include "tests/runner/runner_test_events.h"
#include "tests/runner/scratch_folder.h"
#include "tests/support/test_packages.h"

namespace {

using namespace RunnerEvent;
using RunnerTest::EventRecorder;

std::wstring IniValue(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    wchar_t value[256] = {};
    GetPrivateProfileStringW(section, key, L"<missing>", value, 256, file.c_str());
    return value;
}

bool Exists(const std::wstring& path) { return PathFileExistsW(path.c_str()) != FALSE; }

class SetupPackageTest : public testing::Test {
protected:
    void TearDown() override { Settings().instCmd.clear(); }

    std::vector<ConsoleEvent> Install(const PackageSwitches& switches) {
        EventRecorder recorder;
        CPackageRunner runner(recorder.Callback(), L"\"" + TestSupport::SetupPackageExe() + L"\"",
                              folder_);
        runner.SetSwitches(switches);
        runner.Start();
        runner.Wait();
        version_ = runner.Version();
        return recorder.Events();
    }

    // Runs the uninstaller marker from a copy outside the installation.
    std::vector<ConsoleEvent> Uninstall() {
        const std::wstring copy = scratch_.Path() + L"\\Quillora_un_asa.exe";
        EXPECT_TRUE(CopyFileW(File(L"uninst.ep").c_str(), copy.c_str(), FALSE));
        EventRecorder recorder;
        {
            CUninstallerRunner runner(recorder.Callback(), copy, folder_);
            runner.Start();
        }
        return recorder.Events();
    }

    std::wstring File(const wchar_t* name) const { return folder_ + L"\\" + name; }

    RunnerTest::ScratchFolder scratch_{L"quillora-setup"};
    // A space and Chinese in the folder: quoted after "-instdir", bare after
    // "/D=" and "_?=", and printed back by the package in the ANSI code page.
    const std::wstring folder_ = scratch_.Path() + L"\\Quillora 安装";
    InstalledVersion version_;
};

TEST_F(SetupPackageTest, InstallsIntoTheFolderAndItsUninstallerRemovesIt) {
    Settings().instCmd = L"-isoverride=false";
    PackageSwitches switches;
    switches.desktopShortcut = true;
    switches.administratorUser = true;

    const std::vector<ConsoleEvent> expectedInstall = {
        {IST_CODE_START, 0.0, L""},
        {IST_CODE_PROGRESS, 0.0, L""},
        {IST_CODE_PROGRESS, 0.1, L""},
        {INST_PATH, 0.0, folder_},
        {IST_CODE_PROGRESS, 0.4, L""},
        {IST_CODE_PROGRESS, 0.7, L""},
        {IST_CODE_PROGRESS, 1.0, L""},
        {EXE_PATH, 0.0, File(L"Quillora.exe")},
        {UNINST_EXE_PATH, 0.0, File(L"uninst.exe")},
        {UNINST_EP, 0.0, File(L"uninst.ep")},
        {STARTUP_STYLE, 2.0, L""},
        {INSTALL_SUCCESS, 0.0, L""},
    };
    EXPECT_EQ(Install(switches), expectedInstall);
    EXPECT_EQ(version_.major, 1);
    EXPECT_EQ(version_.minor, 0);
    EXPECT_EQ(version_.build, 0);

    for (const wchar_t* name : {L"Quillora.exe", L"readme.txt", L"uninst.exe", L"uninst.ep"}) {
        EXPECT_TRUE(Exists(File(name))) << Utils::ToUtf8(name);
    }
    // The package understood every switch the runner gave it.
    const std::wstring options = File(L"install_options.ini");
    EXPECT_EQ(IniValue(options, L"Options", L"dsc"), L"true");
    EXPECT_EQ(IniValue(options, L"Options", L"ssc"), L"false");
    EXPECT_EQ(IniValue(options, L"Options", L"adminact"), L"true");
    EXPECT_EQ(IniValue(options, L"Options", L"authorizationact"), L"false");
    EXPECT_EQ(IniValue(options, L"Options", L"version"), L"1.0.0");
    EXPECT_EQ(IniValue(options, L"Options", L"console"), L"show");
    EXPECT_EQ(IniValue(File(L"set.ini"), L"Uninstall", L"IsOverride"), L"false");

    const std::vector<ConsoleEvent> expectedUninstall = {
        {UNIST_CODE_PROGRESS, 0.0, L""}, {UNIST_CODE_PROGRESS, 0.2, L""},
        {UNIST_CODE_PROGRESS, 0.6, L""}, {UNIST_CODE_PROGRESS, 1.0, L""},
        {UNIST_CODE_SUCCESS, 0.0, L""},
    };
    EXPECT_EQ(Uninstall(), expectedUninstall);
    EXPECT_FALSE(Exists(folder_));
}

TEST_F(SetupPackageTest, ReportsAFailureItWasAskedFor) {
    Settings().instCmd = L"-result=fail";
    const std::vector<ConsoleEvent> expected = {
        {IST_CODE_START, 0.0, L""},
        {IST_CODE_PROGRESS, 0.0, L""},
        {IST_CODE_PROGRESS, 0.1, L""},
        {IST_CODE_FAIL, 1000.0, L"安装包被要求失败"},
    };
    EXPECT_EQ(Install({}), expected);
    EXPECT_FALSE(Exists(File(L"Quillora.exe")));
}

}  // namespace
