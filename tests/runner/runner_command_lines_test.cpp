#include "installer/src/runner_command_lines.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

const std::wstring kPackage = L"\"C:\\Quillora\\__Package_Quillora.exe\"";

const wchar_t* Text(bool value) { return value ? L"true" : L"false"; }

// The switch part every package command line starts with, as a fixed
// format, to hold the appending code against.
std::wstring ExpectedSwitches(const PackageSwitches& switches) {
    wchar_t buffer[256];
    swprintf(buffer, 256,
             L" /S -console=show -version=1.0.0 -adminact=%ls -authorizationact=%ls -dsc=%ls "
             L"-ssc=%ls",
             Text(switches.administratorUser), Text(switches.elevated),
             Text(switches.desktopShortcut), Text(switches.quickLaunch));
    return buffer;
}

TEST(PackageCommandLine, EveryFlagCombinationInItsPlace) {
    for (int bits = 0; bits < 16; ++bits) {
        PackageSwitches switches;
        switches.administratorUser = bits & 1;
        switches.elevated = bits & 2;
        switches.desktopShortcut = bits & 4;
        switches.quickLaunch = bits & 8;
        SCOPED_TRACE(bits);
        EXPECT_EQ(BuildPackageCommandLine(kPackage, switches, L"", L""),
                  kPackage + ExpectedSwitches(switches));
    }
}

TEST(PackageCommandLine, OneFlagAtATime) {
    struct Case {
        PackageSwitches switches;
        std::wstring expected;
    };
    const std::wstring prefix = kPackage + L" /S -console=show -version=1.0.0";
    const Case cases[] = {
        {{true, false, false, false},
         prefix + L" -adminact=false -authorizationact=false -dsc=true -ssc=false"},
        {{false, true, false, false},
         prefix + L" -adminact=false -authorizationact=false -dsc=false -ssc=true"},
        {{false, false, true, false},
         prefix + L" -adminact=true -authorizationact=false -dsc=false -ssc=false"},
        {{false, false, false, true},
         prefix + L" -adminact=false -authorizationact=true -dsc=false -ssc=false"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildPackageCommandLine(kPackage, c.switches, L"", L""), c.expected);
    }
}

TEST(PackageCommandLine, InstCmdAndFolder) {
    const PackageSwitches switches{true, true, true, false};
    const std::wstring head = kPackage + ExpectedSwitches(switches);
    struct Case {
        std::wstring instCmd;
        std::wstring folder;
        std::wstring expected;
    };
    const Case cases[] = {
        // Nothing to add: not even a trailing space.
        {L"", L"", head},
        {L"-isoverride=false -x=1", L"", head + L" -isoverride=false -x=1"},
        {L"", L"C:\\Quillora", head + L" -instdir=\"C:\\Quillora\" /D=C:\\Quillora"},
        // The folder is quoted after -instdir and bare after /D=, which comes last.
        {L"-extra", L"C:\\Program Files (x86)\\Quillora 安装",
         head + L" -extra -instdir=\"C:\\Program Files (x86)\\Quillora 安装\" "
                L"/D=C:\\Program Files (x86)\\Quillora 安装"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildPackageCommandLine(kPackage, switches, c.instCmd, c.folder), c.expected);
    }
}

TEST(UninstallerCommandLine, BothChecksAndTheOldFolder) {
    const std::wstring path = L"C:\\Temp\\~VortaTemp.92482B06FB471E17\\Quillora_un_asa.exe";
    const std::wstring folder = L"D:\\Apps\\Quillora";
    struct Case {
        bool consoleAdmin;
        bool elevated;
        std::wstring expected;
    };
    const Case cases[] = {
        {false, false,
         path + L" /S -adminact=false -authorizationact=false -console=show _?=" + folder},
        {true, false,
         path + L" /S -adminact=true -authorizationact=false -console=show _?=" + folder},
        {false, true,
         path + L" /S -adminact=false -authorizationact=true -console=show _?=" + folder},
        {true, true,
         path + L" /S -adminact=true -authorizationact=true -console=show _?=" + folder},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildUninstallerCommandLine(path, c.consoleAdmin, c.elevated, folder),
                  c.expected);
    }
}

}  // namespace
