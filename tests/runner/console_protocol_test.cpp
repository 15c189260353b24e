#include "installer/src/console_protocol.h"

#include <gtest/gtest.h>

#include "tests/runner/runner_test_events.h"

namespace {

using namespace RunnerEvent;

struct LineCase {
    std::wstring line;
    std::optional<ConsoleEvent> event;
    Verdict verdict;
};

void ExpectOutcomes(const ProtocolTable& table, const std::vector<LineCase>& cases) {
    for (const LineCase& c : cases) {
        ConsoleProtocol protocol(table);
        const LineOutcome outcome = protocol.ParseLine(c.line);
        SCOPED_TRACE(Utils::ToUtf8(c.line));
        EXPECT_EQ(outcome.event, c.event);
        EXPECT_EQ(outcome.verdict, c.verdict);
    }
}

constexpr auto kNone = Verdict::None;

TEST(PackageProtocol, EveryKeyAndItsEdges) {
    const std::wstring longText(1000, L'x');
    ExpectOutcomes(
        PackageProtocolTable(),
        {
            {L"Progress=0.5", ConsoleEvent{IST_CODE_PROGRESS, 0.5, L""}, kNone},
            {L"Progress= 0.75", ConsoleEvent{IST_CODE_PROGRESS, 0.75, L""}, kNone},
            {L"Progress=abc", ConsoleEvent{IST_CODE_PROGRESS, 0.0, L""}, kNone},
            {L"Progress=", ConsoleEvent{IST_CODE_PROGRESS, 0.0, L""}, kNone},
            {L"Progress=inf", ConsoleEvent{IST_CODE_PROGRESS, 0.0, L""}, kNone},
            {L"InstPath=C:\\Quillora", ConsoleEvent{INST_PATH, 0.0, L"C:\\Quillora"}, kNone},
            // Texts are passed on as printed, spaces included.
            {L"InstPath= C:\\Q ", ConsoleEvent{INST_PATH, 0.0, L" C:\\Q "}, kNone},
            {L"InstPath=", ConsoleEvent{INST_PATH, 0.0, L""}, kNone},
            {L"State=Success", ConsoleEvent{INSTALL_SUCCESS, 0.0, L""}, Verdict::Success},
            {L"State= Success\t\r", ConsoleEvent{INSTALL_SUCCESS, 0.0, L""}, Verdict::Success},
            {L"State=Fail", ConsoleEvent{IST_CODE_FAIL, 0.0, L"安装包安装失败"}, Verdict::Failure},
            {L"State=success", std::nullopt, kNone},
            {L"State=Maybe", std::nullopt, kNone},
            {L"InstallVersion=1.2.3", std::nullopt, kNone},
            {L"ExePath=C:\\Q\\Quillora.exe", ConsoleEvent{EXE_PATH, 0.0, L"C:\\Q\\Quillora.exe"},
             kNone},
            {L"StartExe=C:\\Q\\start.exe", ConsoleEvent{EXE_PATH, 0.0, L"C:\\Q\\start.exe"}, kNone},
            {L"UninstExePath=C:\\Q\\uninst.exe",
             ConsoleEvent{UNINST_EXE_PATH, 0.0, L"C:\\Q\\uninst.exe"}, kNone},
            {L"UninstExe=C:\\Q\\un.exe", ConsoleEvent{UNINST_EXE_PATH, 0.0, L"C:\\Q\\un.exe"},
             kNone},
            {L"UninstEp=C:\\Q\\uninst.ep", ConsoleEvent{UNINST_EP, 0.0, L"C:\\Q\\uninst.ep"},
             kNone},
            {L"Error=磁盘空间不足", ConsoleEvent{IST_CODE_FAIL, 1000.0, L"磁盘空间不足"},
             Verdict::Failure},
            {L"TopShowDetention=3000", ConsoleEvent{TOP_SHOW_DETENTION, 3000.0, L""}, kNone},
            {L"TopShowDetention=-1", ConsoleEvent{TOP_SHOW_DETENTION, 4294967295.0, L""}, kNone},
            {L"TopShowDetention=soon", ConsoleEvent{TOP_SHOW_DETENTION, 0.0, L""}, kNone},
            {L"FinsihCloseDetention=5000", ConsoleEvent{FINISH_CLOSE_DETENTION, 5000.0, L""},
             kNone},
            // Only the package's own spelling is a key.
            {L"FinishCloseDetention=5000", std::nullopt, kNone},
            {L"StartUrl=https://quillora.example/welcome",
             ConsoleEvent{START_URL, 0.0, L"https://quillora.example/welcome"}, kNone},
            {L"StartupStyle=NonStartup", ConsoleEvent{STARTUP_STYLE, 0.0, L""}, kNone},
            {L"StartupStyle=AutoStartup", ConsoleEvent{STARTUP_STYLE, 1.0, L""}, kNone},
            {L"StartupStyle= UserStartup \r", ConsoleEvent{STARTUP_STYLE, 2.0, L""}, kNone},
            {L"StartupStyle=Sometimes", ConsoleEvent{STARTUP_STYLE, 0.0, L""}, kNone},
            {L"Encode=UTF8", std::nullopt, kNone},
            {L"Message=你好", ConsoleEvent{MESSAGE, 0.0, L"你好"}, kNone},
            {L"Message=" + longText,
             ConsoleEvent{MESSAGE, 0.0, std::wstring(ConsoleProtocol::kMaxTextLength, L'x')},
             kNone},
            {L"progress=0.5", std::nullopt, kNone},
            {L" Progress=0.5", std::nullopt, kNone},
            {L"Unknown=1", std::nullopt, kNone},
            {L"", std::nullopt, kNone},
        });
}

TEST(UninstallerProtocol, EveryKeyAndItsEdges) {
    ExpectOutcomes(
        UninstallerProtocolTable(),
        {
            {L"Progress=0.5", ConsoleEvent{UNIST_CODE_PROGRESS, 0.5, L""}, kNone},
            {L"Progress=x", ConsoleEvent{UNIST_CODE_PROGRESS, 0.0, L""}, kNone},
            {L"Error=Quillora正在运行", ConsoleEvent{UNIST_CODE_ERROR, 0.0, L"Quillora正在运行"},
             Verdict::Failure},
            {L"State=Success \r", ConsoleEvent{UNIST_CODE_SUCCESS, 0.0, L""}, Verdict::Success},
            {L"State=Fail", ConsoleEvent{UNIST_CODE_ERROR, 0.0, L"安装包卸载失败"},
             Verdict::Failure},
            {L"State=Done", std::nullopt, kNone},
            {L"Encode=UTF8", std::nullopt, kNone},
            // Keys of the package's table mean nothing here.
            {L"InstPath=C:\\Q", std::nullopt, kNone},
            {L"Message=hello", std::nullopt, kNone},
        });
}

struct EncodeCase {
    std::wstring line;
    UINT codePageAfter;
};

void ExpectCodePages(const ProtocolTable& table, const std::vector<EncodeCase>& sequence) {
    ConsoleProtocol protocol(table);
    EXPECT_EQ(protocol.OutputCodePage(), 0u);
    for (const EncodeCase& step : sequence) {
        protocol.ParseLine(step.line);
        EXPECT_EQ(protocol.OutputCodePage(), step.codePageAfter) << Utils::ToUtf8(step.line);
    }
}

TEST(PackageProtocol, EncodeNamesOrNumbersACodePage) {
    ExpectCodePages(PackageProtocolTable(), {
                                                {L"Encode=UTF8", 65001},
                                                {L"Encode=ACP", 0},
                                                {L"Encode=936", 936},
                                                {L"Encode=UTF-8", 936},
                                                {L"Encode= 65001 \r", 65001},
                                                // Not a code page the system can decode.
                                                {L"Encode=99999", 65001},
                                                {L"Encode=-5", 65001},
                                                {L"Encode=0", 0},
                                            });
}

TEST(UninstallerProtocol, EncodeKnowsOnlyUtf8) {
    ExpectCodePages(UninstallerProtocolTable(), {
                                                    {L"Encode=UTF8", 65001},
                                                    {L"Encode=936", 0},
                                                    {L"Encode=UTF8\r", 65001},
                                                    {L"Encode=anything", 0},
                                                });
}

TEST(PackageProtocol, InstallVersionKeepsWhatScans) {
    struct Case {
        std::wstring line;
        int major, minor, build;
    };
    const Case cases[] = {
        {L"InstallVersion=1.2.3", 1, 2, 3},  {L"InstallVersion=10.0.19045\r", 10, 0, 19045},
        {L"InstallVersion=4.5", 4, 5, 0},    {L"InstallVersion=4.x.6", 4, 0, 0},
        {L"InstallVersion=latest", 0, 0, 0},
    };
    for (const Case& c : cases) {
        ConsoleProtocol protocol(PackageProtocolTable());
        protocol.ParseLine(L"InstallVersion=9.9.9");
        protocol.ParseLine(c.line);
        SCOPED_TRACE(Utils::ToUtf8(c.line));
        EXPECT_EQ(protocol.Version().major, c.major);
        EXPECT_EQ(protocol.Version().minor, c.minor);
        EXPECT_EQ(protocol.Version().build, c.build);
    }
}

}  // namespace
