#include <gtest/gtest.h>

#include <chrono>

#include "download/win_downloader.h"
#include "tests/download/event_recorder.h"
#include "tests/download/served_files.h"
#include "tests/support/url_cache.h"

namespace {

using std::chrono::seconds;
using TestSupport::ServerFault;

constexpr long long kPackageSize = 2 * 1024 * 1024;

class WinDownloaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(files_.Running());
        TestSupport::ClearUrlCache();
        destination_ = files_.Downloads() + L"\\pkg.exe";
    }

    ServedFiles files_;
    EventRecorder recorder_;
    std::wstring destination_;
};

TEST_F(WinDownloaderTest, DownloadsThroughRedirectsWithEscapedAddress) {
    const std::wstring source = files_.Add("下.exe", kPackageSize);
    CWinDownloader downloader(recorder_.Callback(), files_.Server().Url("/redirect/2/a b/下.exe"),
                              destination_);
    ASSERT_TRUE(recorder_.RunAttempt(downloader, 1));

    EXPECT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_SUCCESS}));
    EXPECT_EQ(recorder_.Events().back().text, L"URLDownloadToFile");
    for (const double value : recorder_.ProgressValues()) {
        EXPECT_GE(value, 0.0);
        EXPECT_LE(value, 1.0);
    }
    EXPECT_TRUE(SameContent(destination_, source));
    EXPECT_FALSE(files_.Server().Requests("GET", "/redirect/2/a+b/%E4%B8%8B.exe").empty());
}

// Wine's URLDownloadToFileW reports success for HTTP error statuses and for
// destinations it cannot write, so the failures here are refused connections.
TEST_F(WinDownloaderTest, FailsAfterThreeTriesWithTheSystemError) {
    const std::wstring url = files_.Server().Url("/abc/pkg.exe");
    files_.StopServer();
    const auto started = std::chrono::steady_clock::now();
    CWinDownloader downloader(recorder_.Callback(), url, destination_);
    ASSERT_TRUE(recorder_.RunAttempt(downloader, 1));

    EXPECT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_FAIL}));
    EXPECT_LT(recorder_.Events().back().value, 0.0);
    EXPECT_EQ(recorder_.Events().back().text, L"URLDownloadToFile");
    // Each of the three tries is followed by a one-second pause.
    EXPECT_GE(std::chrono::steady_clock::now() - started, seconds(3));
}

TEST_F(WinDownloaderTest, SecondStartRunsANewAttempt) {
    const std::wstring source = files_.Add("pkg.exe", kPackageSize);
    const std::wstring url = files_.Server().Url("/abc/pkg.exe");
    files_.StopServer();
    CWinDownloader downloader(recorder_.Callback(), url, destination_);
    ASSERT_TRUE(recorder_.RunAttempt(downloader, 1));
    ASSERT_TRUE(files_.RestartServer());
    ASSERT_TRUE(recorder_.RunAttempt(downloader, 2));

    EXPECT_EQ(recorder_.CodesWithoutProgress(),
              (std::vector<int>{DL_CODE_START, DL_CODE_FAIL, DL_CODE_START, DL_CODE_SUCCESS}));
    EXPECT_TRUE(SameContent(destination_, source));
}

}  // namespace
