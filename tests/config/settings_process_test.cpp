// The settings of a real process: the file beside a real executable, its
// real command line, and the Windows version Wine reports to it.

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <sstream>

#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_paths.h"
#include "utils/text_encoding.h"
#include "utils/unique_handle.h"

namespace {

using namespace std::chrono_literals;

class SettingsProcessTest : public testing::Test {
protected:
    // Copies the probe in as `exeName`, runs it with `switches` and returns
    // the settings it saw.
    std::map<std::wstring, std::wstring> Run(const std::wstring& exeName,
                                             const std::wstring& switches) {
        const std::wstring exe = folder_ / exeName;
        const std::wstring probe = TestSupport::BuildDir() + L"\\tests\\config\\settings_probe.exe";
        EXPECT_TRUE(CopyFileW(probe.c_str(), exe.c_str(), FALSE));
        const std::wstring out = folder_ / L"settings.txt";
        SetEnvironmentVariableW(L"QUILLORA_SETTINGS_OUT", out.c_str());
        TestSupport::ChildProcess process(L"\"" + exe + L"\" " + switches);
        EXPECT_EQ(process.Wait(30s), std::optional<DWORD>(0u));
        std::map<std::wstring, std::wstring> values;
        std::wistringstream lines(Utils::FromUtf8(TestSupport::ReadBytes(out)));
        for (std::wstring line; std::getline(lines, line);) {
            const size_t equals = line.find(L'=');
            values[line.substr(0, equals)] = line.substr(equals + 1);
        }
        return values;
    }

    TestSupport::TempDir folder_;
};

TEST_F(SettingsProcessTest, CommandLineOverridesTheFileBesideTheExecutable) {
    TestSupport::WriteBytes(folder_ / L"VortaInstallerConfig.ini",
                            "[Install]\r\nDownloadUrl=http://127.0.0.1:1/software/269\r\n"
                            "DownloadType=2\r\nIsEnableAppAnalytics=false\r\n"
                            "m_DlAppVersion=1.0\r\nDownloadScale=0.6\r\n");
    auto values = Run(L"QuilloraInstaller.exe",
                      L"-downloadtype=3 -dlappversion=2.5 \"-instcmd=/a b\" -isenableappanalytics=true");
    EXPECT_EQ(values[L"exeFileName"], L"QuilloraInstaller.exe");
    EXPECT_EQ(values[L"downloadUrl"], L"http://127.0.0.1:1/software/269");
    EXPECT_EQ(values[L"downloadType"], L"3");
    EXPECT_EQ(values[L"isCheckNet"], L"1");  // the file lacks the key
    EXPECT_EQ(values[L"isEnableAppAnalytics"], L"1");
    EXPECT_EQ(values[L"dlAppVersion"], L"2.5");
    EXPECT_EQ(values[L"downloadScale"].substr(0, 3), L"0.6");
    EXPECT_EQ(values[L"instCmd"], L"/a b");
}

// Wine reports the Windows version configured for an executable under
// HKCU\Software\Wine\AppDefaults\<name>.
class WineVersionOverride {
public:
    WineVersionOverride(const std::wstring& exeName, const wchar_t* version)
        : key_(L"Software\\Wine\\AppDefaults\\" + exeName) {
        Utils::ScopedRegKey key;
        RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        key.Receive(), nullptr);
        RegSetValueExW(key.Get(), L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
    }
    ~WineVersionOverride() { RegDeleteKeyW(HKEY_CURRENT_USER, key_.c_str()); }

private:
    std::wstring key_;
};

TEST_F(SettingsProcessTest, RouteFollowsTheReportedWindowsVersion) {
    WineVersionOverride xp(L"probe_xp.exe", L"winxp");
    WineVersionOverride win10(L"probe_10.exe", L"win10");
    const std::wstring url = L"-downloadurl=http://h/${ROUTE}/a/${ROUTE}";
    EXPECT_EQ(Run(L"probe_xp.exe", url)[L"downloadUrl"],
              L"http://h/download_silent_xp/a/download_silent_xp");
    EXPECT_EQ(Run(L"probe_10.exe", url)[L"downloadUrl"],
              L"http://h/download_silent/a/download_silent");
}

}  // namespace
