#include "installer/src/diagnostic_log.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <regex>

#include "tests/support/debug_output_listener.h"

namespace {

using namespace std::chrono_literals;

struct FunctionNameCase {
    const char* pretty;
    const wchar_t* expected;
};

class QualifiedFunctionNameTest : public testing::TestWithParam<FunctionNameCase> {};

TEST_P(QualifiedFunctionNameTest, KeepsClassAndNamespaceDropsSignature) {
    EXPECT_EQ(DiagnosticLog::QualifiedFunctionName(GetParam().pretty), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Signatures, QualifiedFunctionNameTest,
    testing::Values(
        FunctionNameCase{"void CDownloadInstaller::Start()", L"CDownloadInstaller::Start"},
        FunctionNameCase{"static void Utils::Thread::CallBack(void*)", L"Utils::Thread::CallBack"},
        FunctionNameCase{"int Utils::CheckNetwork()", L"Utils::CheckNetwork"},
        FunctionNameCase{"std::wstring CurlClient::GetRealUrl_Str(const std::wstring&)",
                         L"CurlClient::GetRealUrl_Str"},
        FunctionNameCase{"CMTCurlDownloader::Start()::<lambda()>",
                         L"CMTCurlDownloader::Start::<lambda()>"},
        FunctionNameCase{"void Outer::Run(int)::<lambda(std::pair<int, int>)>",
                         L"Outer::Run::<lambda(std::pair<int, int>)>"},
        FunctionNameCase{"int wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)", L"wWinMain"}));

std::wstring Format(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    wchar_t buffer[512];
    _vsnwprintf(buffer, 512, format, args);
    va_end(args);
    return buffer;
}

TEST(RecordFormatTest, PrefixPadsIdsAndTimeButNeverCutsThem) {
    const std::wstring prefix = DiagnosticLog::kPrefixFormat;
    EXPECT_EQ(prefix.size(), 62u);
    EXPECT_EQ(Format(DiagnosticLog::kPrefixFormat, 42, 7, 2026, 3, 1, 9, 5, 7, 42, L"A::B", 12),
              L"<P00042><T00007><2026-03-01 09:05:07.042>(A::B)<0012>: ");
    EXPECT_EQ(Format(DiagnosticLog::kPrefixFormat, 1234567, 100000, 2026, 12, 31, 23, 59, 59, 999,
                     L"f", 12345),
              L"<P1234567><T100000><2026-12-31 23:59:59.999>(f)<12345>: ");
}

TEST(RecordFormatTest, AddsALineEndOnlyWhenTheMessageHasNone) {
    const std::wstring prefix = DiagnosticLog::kPrefixFormat;
    EXPECT_EQ(DiagnosticLog::RecordFormat(L"DL_TYPE=%d"), prefix + L"DL_TYPE=%d\r\n");
    EXPECT_EQ(DiagnosticLog::RecordFormat(L"DL_TYPE=%d\r\n"), prefix + L"DL_TYPE=%d\r\n");
    EXPECT_EQ(DiagnosticLog::RecordFormat(L" %dM %dM   progress:%f%%  speed:%f \n"),
              prefix + L" %dM %dM   progress:%f%%  speed:%f \n");
}

class EmittedRecordTest : public testing::Test {
protected:
    // Writes one record and returns it as received on the debug channel.
    template <typename... Args>
    std::wstring EmitAndReceive(const wchar_t* marker, const wchar_t* format, Args... args) {
        EXPECT_TRUE(listener_.IsListening());
        QLOG(format, args...);
        std::wstring received;
        listener_.WaitFor(
            [&](const TestSupport::DebugRecord& record) {
                if (record.processId != GetCurrentProcessId() ||
                    record.text.find(marker) == std::wstring::npos) {
                    return false;
                }
                received = record.text;
                return true;
            },
            5s);
        return received;
    }

    TestSupport::DebugOutputListener listener_;
};

TEST_F(EmittedRecordTest, CarriesProcessThreadTimeFunctionAndLine) {
    const std::wstring record = EmitAndReceive(L"marker-1", L"marker-1 value=%d", 17);
    ASSERT_FALSE(record.empty());
    const std::wregex layout(
        LR"(<P(\d{5,})><T(\d{5,})><\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2}\.\d{3}>\((.+)\)<(\d{4,})>: marker-1 value=17\r\n)");
    std::wsmatch match;
    ASSERT_TRUE(std::regex_match(record, match, layout)) << record;
    EXPECT_EQ(std::stoul(match[1].str()), GetCurrentProcessId());
    EXPECT_EQ(std::stoul(match[2].str()), GetCurrentThreadId());
    EXPECT_NE(match[3].str().find(L"EmitAndReceive"), std::wstring::npos);
}

TEST_F(EmittedRecordTest, PercentInsideAnArgumentIsNotInterpreted) {
    const std::wstring record =
        EmitAndReceive(L"marker-2", L"marker-2 url=%s", L"http://h/a%20b%s%d");
    EXPECT_NE(record.find(L"marker-2 url=http://h/a%20b%s%d\r\n"), std::wstring::npos) << record;
}

TEST_F(EmittedRecordTest, MessageWithItsOwnLineFeedEndsThere) {
    const std::wstring record = EmitAndReceive(L"marker-3", L"marker-3 %dM\n", 5);
    ASSERT_GE(record.size(), 2u);
    EXPECT_EQ(record.substr(record.size() - 4), L" 5M\n") << record;
    EXPECT_NE(record[record.size() - 2], L'\r');
}

}  // namespace
