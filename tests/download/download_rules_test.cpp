#include <gtest/gtest.h>

#include <memory>

#include "download/curl_downloader.h"
#include "download/digest_check.h"
#include "download/download_rules.h"
#include "download/downloader_factory.h"
#include "download/mtcurl_downloader.h"
#include "download/win_downloader.h"
#include "tests/download/event_recorder.h"
#include "tests/support/temp_dir.h"
#include "utils/file_md5.h"
#include "utils/text_encoding.h"

namespace {

TEST(DownloaderSelection, DownloadTypeChoosesTheStrategy) {
    const struct {
        int downloadType;
        DownloadStrategy strategy;
    } cases[] = {
        {2, DownloadStrategy::SystemUrl},        {3, DownloadStrategy::Segmented},
        {1, DownloadStrategy::SingleConnection}, {0, DownloadStrategy::SingleConnection},
        {4, DownloadStrategy::SingleConnection}, {-1, DownloadStrategy::SingleConnection},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StrategyForDownloadType(c.downloadType), c.strategy) << c.downloadType;
    }
}

TEST(DownloaderSelection, BuildsTheChosenClassAndReportsNothingUntilStarted) {
    TestSupport::TempDir folder;
    EventRecorder recorder;
    for (const int downloadType : {2, 3, 1, 0, 4, -1}) {
        std::unique_ptr<CDownloader> downloader = CreateDownloader(
            downloadType, recorder.Callback(), L"http://127.0.0.1:9/x", folder / L"pkg.exe");
        if (downloadType == 2) {
            EXPECT_NE(dynamic_cast<CWinDownloader*>(downloader.get()), nullptr);
        } else if (downloadType == 3) {
            EXPECT_NE(dynamic_cast<CMTCurlDownloader*>(downloader.get()), nullptr);
        } else {
            EXPECT_NE(dynamic_cast<CCurlDownloader*>(downloader.get()), nullptr) << downloadType;
        }
    }
    EXPECT_TRUE(recorder.Events().empty());
}

TEST(ExpectedMd5, IsTheFolderBeforeTheFileName) {
    const std::string digest = "0123456789abcdef0123456789abcdef";
    const struct {
        std::string effectiveUrl;
        std::string expected;
        bool usable;
    } cases[] = {
        {"http://host/dir/" + digest + "/name.exe", digest, true},
        {"http://host/" + digest + "/name.exe", digest, true},
        {"http://host/dir/abc/name.exe", "abc", false},
        {"http://host/name.exe", "host", false},
        {"http://" + digest + "/name.exe", digest, true},
        {"http://host/dir/" + digest + "/", digest, true},
        {"name.exe", "", false},
        {"/name.exe", "", false},
        {"", "", false},
    };
    for (const auto& c : cases) {
        const std::string expected = ExpectedMd5FromUrl(c.effectiveUrl);
        EXPECT_EQ(expected, c.expected) << c.effectiveUrl;
        EXPECT_EQ(IsUsableMd5(expected), c.usable) << c.effectiveUrl;
    }
}

TEST(ExpectedMd5, IsComparedCaseSensitivelyAndAnUnreadableFileFails) {
    TestSupport::TempDir folder;
    const std::wstring path = folder / L"pkg.exe";
    ASSERT_TRUE(TestSupport::WriteBytes(path, "package content"));
    const std::string ansiPath = Utils::ToAnsi(path);
    const std::string digest = Utils::FileMd5(ansiPath);
    std::string upperDigest = digest;
    for (char& c : upperDigest) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    ASSERT_NE(upperDigest, digest);

    EXPECT_EQ(CheckFileDigest(digest, ansiPath), DigestCheck::Matches);
    EXPECT_EQ(CheckFileDigest(upperDigest, ansiPath), DigestCheck::Differs);
    EXPECT_EQ(CheckFileDigest(digest.substr(1), ansiPath), DigestCheck::NoUsableDigest);
    // A file that cannot be read is not shown to be right.
    EXPECT_EQ(CheckFileDigest(digest, ansiPath + ".missing"), DigestCheck::Differs);
}

TEST(UrlConversion, FileUrlsUseTheAnsiCodePageAndEverythingElseUtf8) {
    ASSERT_EQ(GetACP(), 936u);
    EXPECT_EQ(UrlForCurl(L"file:///C:/下载/a.exe"), "file:///C:/\xCF\xC2\xD4\xD8/a.exe");
    EXPECT_EQ(UrlForCurl(L"FILE:///C:/下载/a.exe"), "FILE:///C:/\xE4\xB8\x8B\xE8\xBD\xBD/a.exe");
    EXPECT_EQ(UrlForCurl(L"http://h/下载/a.exe"), "http://h/\xE4\xB8\x8B\xE8\xBD\xBD/a.exe");
}

TEST(UrlConversion, SystemDownloadEscapesSpacesControlsAndNonAscii) {
    const struct {
        std::wstring url;
        std::wstring escaped;
    } cases[] = {
        {L"http://h/a b/下.exe?x=1&y=%20", L"http://h/a+b/%E4%B8%8B.exe?x=1&y=%20"},
        {L"http://h/a\tb~", L"http://h/a%09b~"},
        {L"file:///C:/a b/下.exe", L"file:///C:/a b/下.exe"},
        {L"FILE:///C:/a b", L"FILE:///C:/a+b"},
    };
    for (const auto& c : cases) EXPECT_EQ(UrlForSystemDownload(c.url), c.escaped) << c.url;
}

}  // namespace
