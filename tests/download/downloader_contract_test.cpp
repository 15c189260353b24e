#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "download/downloader_factory.h"
#include "tests/download/event_recorder.h"
#include "tests/download/served_files.h"
#include "tests/support/wait.h"

namespace {

using std::chrono::seconds;
using TestSupport::ServerFault;

// Parameter: the download type that selects the strategy.
class DownloaderContractTest : public ::testing::TestWithParam<int> {
protected:
    ServedFiles files_;
    EventRecorder recorder_;
};

// The suites below leave the system downloader out. It checks no digest;
// and it can cancel only at the system's next progress notification, which
// a stalled transfer does not send.
class DigestCheckTest : public DownloaderContractTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(files_.Running());
        source_ = files_.Add("pkg.exe", 2 * 1024 * 1024);
        destination_ = files_.Downloads() + L"\\pkg.exe";
    }

    std::unique_ptr<CDownloader> MakeDownloader(const std::string& path) {
        return CreateDownloader(GetParam(), recorder_.Callback(), files_.Server().Url(path),
                                destination_);
    }

    // The notice texts carry the strategy's prefix.
    std::wstring Notice(const wchar_t* text) const {
        return (GetParam() == 3 ? L"mtcurl" : L"curl") + std::wstring(text);
    }

    std::wstring source_;
    std::wstring destination_;
};

class DownloaderLifetimeTest : public DownloaderContractTest {};

TEST_P(DownloaderContractTest, EmptyDestinationFailsAtOnceWithoutTransfer) {
    ASSERT_TRUE(files_.Running());
    files_.Add("pkg.exe", 3 * 1024 * 1024);
    {
        auto downloader = CreateDownloader(GetParam(), recorder_.Callback(),
                                           files_.Server().Url("/software/pkg.exe"), L"");
        ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));
    }
    EXPECT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_FAIL}));
    EXPECT_EQ(recorder_.Events().back().value, 1.0);
    EXPECT_EQ(recorder_.Events().back().text, L"");
    EXPECT_TRUE(files_.Server().Requests().empty());
}

std::string StrategyName(const ::testing::TestParamInfo<int>& info) {
    switch (StrategyForDownloadType(info.param)) {
        case DownloadStrategy::SystemUrl:
            return "SystemUrl";
        case DownloadStrategy::Segmented:
            return "Segmented";
        case DownloadStrategy::SingleConnection:
            break;
    }
    return "SingleConnection";
}

INSTANTIATE_TEST_SUITE_P(DownloadTypes, DownloaderContractTest, ::testing::Values(1, 2, 3),
                         StrategyName);

// The orchestrator destroys its downloader at the end of the run, possibly
// in the middle of a transfer: that must neither hang nor report.
TEST_P(DownloaderLifetimeTest, DestroyingDuringAStalledTransferEndsPromptlyAndSilently) {
    ASSERT_TRUE(files_.Running());
    files_.Add("pkg.exe", 3 * 1024 * 1024);
    const std::string path = files_.DigestPath("pkg.exe");
    ASSERT_TRUE(files_.Server().AddFault(
        ServerFault(path, "stall", 20000).After(100000).Method("GET").Always()));
    auto downloader =
        CreateDownloader(GetParam(), recorder_.Callback(), files_.Server().Url("/software/pkg.exe"),
                         files_.Downloads() + L"\\pkg.exe");
    downloader->Start();
    ASSERT_TRUE(TestSupport::WaitUntil(
        [&] { return !files_.Server().Requests("GET", path).empty(); }, seconds(20)));

    const auto destroying = std::chrono::steady_clock::now();
    downloader.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - destroying, seconds(3));
    EXPECT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START}));
}

TEST_P(DigestCheckTest, MismatchRetriesOnceFromInsideTheCallbackThenFailsAndLeavesNoFile) {
    ASSERT_TRUE(files_.Server().AddFault(ServerFault("/software/pkg.exe", "wrong_md5")));
    auto downloader = MakeDownloader("/software/pkg.exe");
    recorder_.RestartOnRetry(*downloader);
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 2));

    EXPECT_EQ(recorder_.CodesWithoutProgress(),
              (std::vector<int>{DL_CODE_START, DL_CODE_MD5, DL_CODE_RETRY, DL_CODE_START,
                                DL_CODE_MD5, DL_CODE_FAIL}));
    const std::wstring mismatch = Notice(L"文件md5校验失败");
    EXPECT_EQ(recorder_.TextsOf(DL_CODE_MD5), (std::vector<std::wstring>{mismatch, mismatch}));
    // Nothing of the rejected file was kept for the second attempt.
    for (const auto& request : files_.Server().Requests()) {
        if (request.method == "GET") {
            EXPECT_TRUE(request.range.empty() || request.range.rfind("bytes=0-", 0) == 0);
        }
    }
    for (const wchar_t* suffix : {L"", L".part", L"_0", L"_1"}) {
        EXPECT_EQ(FileSizeOf(destination_ + suffix), -1) << suffix;
    }
}

TEST_P(DigestCheckTest, UrlWithoutDigestIsAcceptedWithANotice) {
    auto downloader = MakeDownloader("/redirect/2/abc/pkg.exe");
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));
    EXPECT_EQ(recorder_.CodesWithoutProgress(),
              (std::vector<int>{DL_CODE_START, DL_CODE_MD5, DL_CODE_SUCCESS}));
    EXPECT_EQ(recorder_.TextsOf(DL_CODE_MD5),
              (std::vector<std::wstring>{Notice(L"获取url-md5失败")}));
    EXPECT_TRUE(SameContent(destination_, source_));
}

INSTANTIATE_TEST_SUITE_P(DownloadTypes, DigestCheckTest, ::testing::Values(1, 3), StrategyName);

INSTANTIATE_TEST_SUITE_P(DownloadTypes, DownloaderLifetimeTest, ::testing::Values(1, 3),
                         StrategyName);

}  // namespace
