// The whole installation without a window: the orchestrator uninstalls a
// registered older installation, downloads the real setup package from the
// test package server, runs it, and deletes it, passing every event on.

#include "installer/src/download_installer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>

#include "installation_registry.h"
#include "installer/src/existing_installation.h"
#include "installer/src/installer_settings.h"
#include "tests/support/child_process.h"
#include "tests/support/package_server.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_packages.h"
#include "tests/support/url_cache.h"
#include "utils/install_registry.h"
#include "utils/temp_folder.h"
#include "utils/text_encoding.h"

namespace {

using namespace std::chrono_literals;

struct InstallerEvent {
    int code;
    double value;
    std::wstring text;
};

// Collects the orchestrator's events as the main window would receive them.
class EventLog {
public:
    InstallerCallback Callback() {
        return [this](int code, double value, const std::wstring& text) {
            std::lock_guard<std::mutex> lock(mutex_);
            events_.push_back({code, value, text});
            changed_.notify_all();
        };
    }

    // Waits for an event that ends the chain: installed, install failed,
    // download failed, uninstall failed.
    bool WaitForEnd(std::chrono::milliseconds timeout) {
        std::unique_lock<std::mutex> lock(mutex_);
        return changed_.wait_for(lock, timeout, [&] {
            return std::any_of(events_.begin(), events_.end(), [](const InstallerEvent& e) {
                return e.code == 2003 || e.code == 2004 || e.code == 1004 || e.code == 5004 ||
                       e.code == 5005;
            });
        });
    }

    // The codes in order, without the progress reports.
    std::vector<int> Codes() const {
        std::lock_guard<std::mutex> lock(mutex_);
        std::vector<int> codes;
        for (const InstallerEvent& e : events_) {
            if (e.code != 1002 && e.code != 2002 && e.code != 5002) codes.push_back(e.code);
        }
        return codes;
    }

    // Every event, for a failure message.
    std::string Describe() const {
        std::lock_guard<std::mutex> lock(mutex_);
        std::string text;
        for (const InstallerEvent& e : events_) {
            text += std::to_string(e.code) + " " + std::to_string(e.value) + " " +
                    Utils::ToUtf8(e.text) + "\n";
        }
        return text;
    }

    std::wstring TextOf(int code) const {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const InstallerEvent& e : events_) {
            if (e.code == code) return e.text;
        }
        return L"";
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<InstallerEvent> events_;
};

size_t IndexOf(const std::vector<int>& codes, int code) {
    return static_cast<size_t>(std::find(codes.begin(), codes.end(), code) - codes.begin());
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class OrchestratorTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CopyFileW(TestSupport::SetupPackageExe().c_str(),
                              (site_ / L"QuilloraSetup.exe").c_str(), FALSE));
        server_ = std::make_unique<TestSupport::PackageServer>(site_.Path());
        ASSERT_TRUE(server_->Running());
        saved_ = Settings();
        DeleteFileW((Utils::GetPrivateTempFolder() + L"Quillora_un_asa.exe").c_str());
        TestSupport::ClearUrlCache();
    }
    void TearDown() override { Settings() = saved_; }

    std::wstring PackageUrl() const { return server_->Url("/software/QuilloraSetup.exe"); }

    // Installs an older copy with the package itself, as a user once did.
    std::wstring InstallOlderCopy() {
        const std::wstring folder = root_ / L"Old\\Quillora";
        TestSupport::ChildProcess setup(L"\"" + TestSupport::SetupPackageExe() + L"\" /S /D=" +
                                        folder);
        EXPECT_EQ(setup.Wait(60s), std::optional<DWORD>(0u));
        EXPECT_TRUE(Exists(folder + L"\\uninst.ep"));
        return folder;
    }

    // Runs one installation into `folder` and waits for its end.
    void Install(const std::wstring& folder, const std::wstring& oldMarker) {
        orchestrator_ = std::make_unique<CDownloadInstaller>(events_.Callback(), L"", L"", L"",
                                                             true, true, true);
        InstallStartParameters parameters;
        parameters.downloadUrl = PackageUrl();
        parameters.oldUninstallerPath = oldMarker;
        parameters.installFolder = folder;
        parameters.elevated = true;
        orchestrator_->SetStartParameters(parameters);
        orchestrator_->Start();
        ASSERT_TRUE(events_.WaitForEnd(120s));
        orchestrator_.reset();  // waits for every worker
    }

    TestSupport::CleanInstallRegistry registry_;
    TestSupport::TempDir root_;
    TestSupport::TempDir site_;
    std::unique_ptr<TestSupport::PackageServer> server_;
    std::unique_ptr<CDownloadInstaller> orchestrator_;
    EventLog events_;
    InstallerSettings saved_;
};

class OrchestratorEndToEndTest : public OrchestratorTest,
                                 public testing::WithParamInterface<int> {};

TEST_P(OrchestratorEndToEndTest, UninstallsTheOldCopyThenDownloadsAndInstalls) {
    Settings().downloadType = GetParam();
    const std::wstring old = InstallOlderCopy();
    Utils::WriteInstallRegistryValue(L"InstallPath", old);
    ExistingInstallation existing;
    existing.ReadRegistered();
    const std::wstring target = root_ / L"New\\Quillora";

    Install(target, existing.RegisteredMarker());

    const std::vector<int> codes = events_.Codes();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), 5003) << "the old copy goes first";
    EXPECT_LT(IndexOf(codes, 5003), IndexOf(codes, 1001));
    EXPECT_LT(IndexOf(codes, 1001), IndexOf(codes, 1003));
    EXPECT_LT(IndexOf(codes, 1003), IndexOf(codes, 2001));
    EXPECT_LT(IndexOf(codes, 2001), IndexOf(codes, 3000));
    EXPECT_EQ(codes.back(), 2003) << events_.Describe();
    EXPECT_EQ(events_.TextOf(3000), target);
    EXPECT_EQ(events_.TextOf(3003), target + L"\\uninst.ep");

    EXPECT_FALSE(Exists(old + L"\\Quillora.exe")) << "the uninstaller removed the old copy";
    EXPECT_TRUE(Exists(Utils::GetPrivateTempFolder() + L"Quillora_un_asa.exe"));
    EXPECT_TRUE(Exists(target + L"\\Quillora.exe"));
    EXPECT_FALSE(Exists(target + L"\\__Package_Quillora.exe"));

    // What the window records once the package reported success.
    existing.RecordInRegistry(events_.TextOf(3000), events_.TextOf(3003));
    existing.WriteSetIni(target);
    DWORD type = 0;
    std::wstring value;
    ASSERT_TRUE(Utils::ReadInstallRegistryValue(L"InstallPath", type, value));
    EXPECT_EQ(value, target);
    ASSERT_TRUE(Utils::ReadInstallRegistryValue(L"UnInstallEp", type, value));
    EXPECT_EQ(value, target + L"\\uninst.ep");
    wchar_t appName[32] = {};
    GetPrivateProfileStringW(L"Install", L"AppName", L"", appName, 32,
                             (target + L"\\set.ini").c_str());
    EXPECT_STREQ(appName, L"Quillora");
}

INSTANTIATE_TEST_SUITE_P(DownloadTypes, OrchestratorEndToEndTest, testing::Values(1, 2, 3),
                         [](const testing::TestParamInfo<int>& info) {
                             return "type" + std::to_string(info.param);
                         });

TEST_F(OrchestratorTest, WithoutAnExistingMarkerTheDownloadStartsAtOnce) {
    const std::wstring target = root_ / L"Fresh";
    Install(target, root_ / L"missing\\uninst.ep");
    const std::vector<int> codes = events_.Codes();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), 1001);
    EXPECT_EQ(codes.back(), 2003);
    EXPECT_FALSE(Exists(Utils::GetPrivateTempFolder() + L"Quillora_un_asa.exe"));
}

TEST_F(OrchestratorTest, AFailedDownloadEndsWith1004AndLeavesNoPackage) {
    server_->AddFault(
        TestSupport::ServerFault("/software/QuilloraSetup.exe", "status", 404).Always());
    const std::wstring target = root_ / L"Target";
    Install(target, L"");
    const std::vector<int> codes = events_.Codes();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), 1004);
    EXPECT_EQ(IndexOf(codes, 2001), codes.size()) << "nothing was installed";
    EXPECT_FALSE(Exists(target + L"\\__Package_Quillora.exe"));
}

TEST_F(OrchestratorTest, AFailedInstallationEndsWith2004AndLeavesNoPackage) {
    Settings().instCmd = L"-result=fail";
    const std::wstring target = root_ / L"Target";
    Install(target, L"");
    const std::vector<int> codes = events_.Codes();
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), 2004);
    EXPECT_LT(IndexOf(codes, 1003), IndexOf(codes, 2004));
    EXPECT_FALSE(Exists(target + L"\\__Package_Quillora.exe"));
}

}  // namespace
