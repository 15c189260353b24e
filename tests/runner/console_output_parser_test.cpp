#include "installer/src/console_output_parser.h"

#include <gtest/gtest.h>

#include "tests/runner/runner_test_events.h"

namespace {

using namespace RunnerEvent;

// "中文" and "磁盘空间不足" in GBK (the test locale's ANSI code page) and UTF-8.
const std::string kChineseGbk = "\xD6\xD0\xCE\xC4";
const std::string kChineseUtf8 = "\xE4\xB8\xAD\xE6\x96\x87";
const std::string kDiskFullGbk = "\xB4\xC5\xC5\xCC\xBF\xD5\xBC\xE4\xB2\xBB\xD7\xE3";

struct FeedCase {
    const char* name;
    const ProtocolTable* table;
    std::vector<std::string> reads;  // the output as it arrives, read by read
    std::vector<ConsoleEvent> expected;
    bool verdict;
};

void PrintTo(const FeedCase& c, std::ostream* out) { *out << c.name; }

class ConsoleOutputParserTest : public testing::TestWithParam<FeedCase> {};

TEST_P(ConsoleOutputParserTest, GivesTheEventsInLineOrder) {
    const FeedCase& c = GetParam();
    std::vector<ConsoleEvent> events;
    ConsoleOutputParser parser(*c.table,
                               [&](const ConsoleEvent& event) { events.push_back(event); });
    for (const std::string& read : c.reads) parser.Feed(read.data(), read.size());
    parser.Finish();
    EXPECT_EQ(events, c.expected);
    EXPECT_EQ(parser.GaveVerdict(), c.verdict);
}

const ProtocolTable* const kPackage = &PackageProtocolTable();
const ProtocolTable* const kUninstaller = &UninstallerProtocolTable();

const char kZeroInLine[] = "Message=ab\0cd\r\nProgress=0.3\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ConsoleOutputParserTest,
    testing::Values(
        FeedCase{"ProgressAndSuccessInOneRead",
                 kPackage,
                 {"Progress=0.5\r\nState=Success\r\n"},
                 {{IST_CODE_PROGRESS, 0.5, L""}, {INSTALL_SUCCESS, 0.0, L""}},
                 true},
        FeedCase{"LineCutByAReadBoundary",
                 kPackage,
                 {"Progress=0.2\r\nSta", "te=Fa", "il\r", "\n"},
                 {{IST_CODE_PROGRESS, 0.2, L""}, {IST_CODE_FAIL, 0.0, L"安装包安装失败"}},
                 true},
        FeedCase{"CharacterCutByAReadBoundary",
                 kPackage,
                 {"Message=" + kChineseGbk.substr(0, 1), kChineseGbk.substr(1) + "\r\n"},
                 {{MESSAGE, 0.0, L"中文"}},
                 false},
        FeedCase{"LastLineWithoutLineFeed",
                 kPackage,
                 {"Progress=0.9\nState=Success"},
                 {{IST_CODE_PROGRESS, 0.9, L""}, {INSTALL_SUCCESS, 0.0, L""}},
                 true},
        FeedCase{
            "TextsLoseTheirLineEnd",
            kPackage,
            {"InstPath=C:\\Quillora\r\nExePath=C:\\Quillora\\Quillora.exe\n"},
            {{INST_PATH, 0.0, L"C:\\Quillora"}, {EXE_PATH, 0.0, L"C:\\Quillora\\Quillora.exe"}},
            false},
        FeedCase{"EncodeTakesEffectFromTheNextLine",
                 kPackage,
                 {"Message=" + kChineseGbk + "\r\nEncode=UTF8\r\nMessage=" + kChineseUtf8 +
                  "\r\nEncode=ACP\r\nMessage=" + kChineseGbk + "\r\n"},
                 {{MESSAGE, 0.0, L"中文"}, {MESSAGE, 0.0, L"中文"}, {MESSAGE, 0.0, L"中文"}},
                 false},
        FeedCase{"PackageStopsAtItsVerdict",
                 kPackage,
                 {"State=Success\r\nExePath=C:\\x.exe\r\n", "State=Fail\r\nError=late\r\n"},
                 {{INSTALL_SUCCESS, 0.0, L""}},
                 true},
        FeedCase{"UnknownStateThenExit", kPackage, {"State=Done\r\n"}, {}, false},
        FeedCase{"UninstallerReportsPastItsVerdict",
                 kUninstaller,
                 {"Error=" + kDiskFullGbk + "\r\n", "State=Success\r\n"},
                 {{UNIST_CODE_ERROR, 0.0, L"磁盘空间不足"}, {UNIST_CODE_SUCCESS, 0.0, L""}},
                 true},
        FeedCase{"UninstallerEncode",
                 kUninstaller,
                 {"Encode=UTF8\r\nError=" + kChineseUtf8 +
                  "\r\nEncode=936\r\nError=" + kChineseGbk + "\r\n"},
                 {{UNIST_CODE_ERROR, 0.0, L"中文"}, {UNIST_CODE_ERROR, 0.0, L"中文"}},
                 true},
        FeedCase{"ZeroByteEndsTheLine",
                 kPackage,
                 {std::string(kZeroInLine, sizeof(kZeroInLine) - 1)},
                 {{MESSAGE, 0.0, L"ab"}, {IST_CODE_PROGRESS, 0.3, L""}},
                 false},
        FeedCase{
            "OverlongLineIsCutNotSplit",
            kPackage,
            {"Message=" + std::string(5000, 'x'), std::string(5000, 'y') + "\r\nState=Success\r\n"},
            {{MESSAGE, 0.0, std::wstring(ConsoleProtocol::kMaxTextLength, L'x')},
             {INSTALL_SUCCESS, 0.0, L""}},
            true}),
    [](const testing::TestParamInfo<FeedCase>& info) { return std::string(info.param.name); });

}  // namespace
