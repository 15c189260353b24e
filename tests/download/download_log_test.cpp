#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>

#include "download/curl_downloader.h"
#include "download/mtcurl_downloader.h"
#include "tests/download/event_recorder.h"
#include "tests/download/served_files.h"
#include "tests/support/debug_output_listener.h"

namespace {

using TestSupport::ServerFault;

class DownloadLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(listener_.IsListening());
        ASSERT_TRUE(files_.Running());
        destination_ = files_.Downloads() + L"\\pkg.exe";
    }

    // A record of this process written by `function` whose message starts
    // with `message`.
    bool Logged(const std::wstring& function, const std::wstring& message) {
        const std::wstring marker = L"(" + function + L")";
        return listener_.WaitFor(
            [&](const TestSupport::DebugRecord& record) {
                if (record.processId != GetCurrentProcessId()) return false;
                const size_t at = record.text.find(marker);
                return at != std::wstring::npos &&
                       record.text.compare(at + marker.size() + 8, message.size(), message) == 0;
            },
            std::chrono::milliseconds(2000));
    }

    TestSupport::DebugOutputListener listener_;
    ServedFiles files_;
    EventRecorder recorder_;
    std::wstring destination_;
};

TEST_F(DownloadLogTest, SegmentTransferEndsWithWriteErrorOnSurplusBytes) {
    files_.Add("pkg.exe", 20971520);
    const std::string path = files_.DigestPath("pkg.exe");
    ASSERT_TRUE(files_.Server().AddFault(ServerFault(path, "overrun", 4096).RangeStart(0)));
    CMTCurlDownloader downloader(recorder_.Callback(), files_.Server().Url("/software/pkg.exe"),
                                 destination_);
    ASSERT_TRUE(recorder_.RunAttempt(downloader, 1));

    EXPECT_TRUE(Logged(L"CMTCurlDownloader::Start_Down", L"start download"));
    EXPECT_TRUE(Logged(L"CMTCurlDownloader::getRealDownloadUrl",
                       L"Download File real url " + files_.Server().Url(path)));
    EXPECT_TRUE(Logged(L"CMTCurlDownloader::getRealDownloadUrl", L"Download File Length 20971520"));
    EXPECT_TRUE(Logged(L"CMTCurlDownloader::downloadExe", L"error:23:"));
    EXPECT_TRUE(Logged(L"CMTCurlDownloader::downloadExe", L"curl_easy_cleanup"));
    EXPECT_TRUE(Logged(L"CMTCurlDownloader::waitForFinishThreadFun", L"partPath::"));
    EXPECT_TRUE(Logged(L"CMTCurlDownloader::waitForFinishThreadFun", L"finish recv"));
}

TEST_F(DownloadLogTest, SingleConnectionLogsEachTryAndItsResult) {
    files_.Add("pkg.exe", 3 * 1024 * 1024);
    ASSERT_TRUE(files_.Server().AddFault(
        ServerFault(files_.DigestPath("pkg.exe"), "close_after", 1500000).Method("GET")));
    CCurlDownloader downloader(recorder_.Callback(), files_.Server().Url("/software/pkg.exe"),
                               destination_);
    ASSERT_TRUE(recorder_.RunAttempt(downloader, 1));

    EXPECT_TRUE(Logged(L"CurlClient::Start", L"start download"));
    EXPECT_TRUE(Logged(L"CurlClient::Head", L"error:0:"));
    EXPECT_TRUE(Logged(L"CurlClient::Start", L"error:18:"));
    EXPECT_TRUE(Logged(L"CCurlDownloader::dlThreadFun", L"CurlDownLoader Code=18"));
    EXPECT_TRUE(Logged(L"CurlClient::Start", L"error:0:"));
    EXPECT_TRUE(Logged(L"CurlClient::Start", L"end download"));
}

}  // namespace
