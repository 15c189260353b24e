#include <gtest/gtest.h>

#include <curl/curl.h>

#include <memory>
#include <ostream>

#include "download/curl_downloader.h"
#include "tests/download/event_recorder.h"
#include "tests/download/served_files.h"
#include "utils/text_encoding.h"
#include "utils/unique_handle.h"

namespace {

using TestSupport::ServerFault;

constexpr long long kPackageSize = 3 * 1024 * 1024;
constexpr long long kDropAfter = 1500000;

class CurlDownloaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(files_.Running());
        source_ = files_.Add("pkg.exe", kPackageSize);
        destination_ = files_.Downloads() + L"\\pkg.exe";
    }

    std::unique_ptr<CCurlDownloader> MakeDownloader(const std::wstring& url) {
        return std::make_unique<CCurlDownloader>(recorder_.Callback(), url, destination_);
    }

    std::wstring PackageUrl() { return files_.Server().Url("/software/pkg.exe"); }

    ServedFiles files_;
    EventRecorder recorder_;
    std::wstring source_;
    std::wstring destination_;
};

TEST_F(CurlDownloaderTest, DownloadsWithMatchingDigestAndReportsProgress) {
    // About three seconds of transfer, so that progress is reported.
    ASSERT_TRUE(files_.Server().AddFault(
        ServerFault(files_.DigestPath("pkg.exe"), "throttle", kPackageSize / 3).Method("GET")));
    auto downloader = MakeDownloader(PackageUrl());
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));

    const std::vector<DownloadEvent> events = recorder_.Events();
    EXPECT_EQ(events.front().code, DL_CODE_START);
    EXPECT_EQ(events.front().value, 1.0);
    EXPECT_EQ(events.back().code, DL_CODE_SUCCESS);
    EXPECT_EQ(events.back().text, L"LibCurl");
    EXPECT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_SUCCESS}));
    const std::vector<double> progress = recorder_.ProgressValues();
    ASSERT_FALSE(progress.empty());
    for (size_t i = 0; i < progress.size(); ++i) {
        EXPECT_GT(progress[i], 0.0);
        EXPECT_LE(progress[i], 1.0);
        if (i > 0) {
            EXPECT_GE(progress[i], progress[i - 1]);
        }
    }
    EXPECT_TRUE(SameContent(destination_, source_));
    EXPECT_EQ(FileSizeOf(destination_ + L".part"), -1);
}

TEST_F(CurlDownloaderTest, BrokenConnectionIsResumedFromThePartFile) {
    const std::string path = files_.DigestPath("pkg.exe");
    ASSERT_TRUE(
        files_.Server().AddFault(ServerFault(path, "close_after", kDropAfter).Method("GET")));
    auto downloader = MakeDownloader(PackageUrl());
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));

    EXPECT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_SUCCESS}));
    const auto gets = files_.Server().Requests("GET", path);
    ASSERT_EQ(gets.size(), 2u);
    EXPECT_EQ(gets[0].range, "");
    EXPECT_EQ(gets[1].range, "bytes=" + std::to_string(kDropAfter) + "-");
    EXPECT_TRUE(SameContent(destination_, source_));
}

TEST_F(CurlDownloaderTest, SecondStartResumesWhatTheFailedAttemptLeft) {
    const std::string path = files_.DigestPath("pkg.exe");
    ASSERT_TRUE(
        files_.Server().AddFault(ServerFault(path, "close_after", kDropAfter).Method("GET")));
    ASSERT_TRUE(files_.Server().AddFault(ServerFault(path, "status", 503).Method("GET").Always()));
    auto downloader = MakeDownloader(PackageUrl());
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));
    ASSERT_EQ(recorder_.Events().back().code, DL_CODE_FAIL);
    EXPECT_EQ(recorder_.Events().back().value, CURLE_HTTP_RETURNED_ERROR);
    ASSERT_EQ(FileSizeOf(destination_ + L".part"), kDropAfter);

    ASSERT_TRUE(files_.Server().Reset());
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 2));
    EXPECT_EQ(recorder_.CodesWithoutProgress(),
              (std::vector<int>{DL_CODE_START, DL_CODE_FAIL, DL_CODE_START, DL_CODE_SUCCESS}));
    // The second attempt knows the address and size already: no probes.
    const auto requests = files_.Server().Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].range, "bytes=" + std::to_string(kDropAfter) + "-");
    EXPECT_TRUE(SameContent(destination_, source_));
}

struct HttpFailureCase {
    const char* name;
    const char* method;
    int status;
    double reportedError;
};

void PrintTo(const HttpFailureCase& c, std::ostream* out) { *out << c.name; }

class CurlDownloaderHttpFailureTest : public CurlDownloaderTest,
                                      public ::testing::WithParamInterface<HttpFailureCase> {};

TEST_P(CurlDownloaderHttpFailureTest, EndsWithFailureAfterTheRetryBudget) {
    const HttpFailureCase& c = GetParam();
    const std::string path = files_.DigestPath("pkg.exe");
    ASSERT_TRUE(
        files_.Server().AddFault(ServerFault(path, "status", c.status).Method(c.method).Always()));
    auto downloader = MakeDownloader(files_.Server().Url(path));
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));
    EXPECT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_FAIL}));
    EXPECT_EQ(recorder_.Events().back().value, c.reportedError);
    EXPECT_EQ(FileSizeOf(destination_), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, CurlDownloaderHttpFailureTest,
    ::testing::Values(HttpFailureCase{"NotFoundBody", "GET", 404, CURLE_HTTP_RETURNED_ERROR},
                      HttpFailureCase{"ServerErrorProbe", "HEAD", 500,
                                      CurlClient::kTooSmallOrUnknownSize}),
    [](const ::testing::TestParamInfo<HttpFailureCase>& info) { return info.param.name; });

// Parameter: the size of the file; 1 MiB is the smallest one accepted.
class CurlDownloaderSizeTest : public ::testing::TestWithParam<long long> {
protected:
    ServedFiles files_;
    EventRecorder recorder_;
};

TEST_P(CurlDownloaderSizeTest, FilesBelowOneMebibyteAreRefused) {
    ASSERT_TRUE(files_.Running());
    const std::wstring source = files_.Add("pkg.exe", GetParam());
    CCurlDownloader downloader(recorder_.Callback(), files_.Server().Url("/software/pkg.exe"),
                               files_.Downloads() + L"\\pkg.exe");
    ASSERT_TRUE(recorder_.RunAttempt(downloader, 1));
    if (GetParam() < 1048576) {
        EXPECT_EQ(recorder_.CodesWithoutProgress(),
                  (std::vector<int>{DL_CODE_START, DL_CODE_FAIL}));
        EXPECT_EQ(recorder_.Events().back().value, CurlClient::kTooSmallOrUnknownSize);
        EXPECT_TRUE(files_.Server().Requests("GET", files_.DigestPath("pkg.exe")).empty());
    } else {
        EXPECT_EQ(recorder_.CodesWithoutProgress(),
                  (std::vector<int>{DL_CODE_START, DL_CODE_SUCCESS}));
        EXPECT_TRUE(SameContent(files_.Downloads() + L"\\pkg.exe", source));
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, CurlDownloaderSizeTest, ::testing::Values(1048575, 1048576),
                         [](const ::testing::TestParamInfo<long long>& info) {
                             return "Bytes" + std::to_string(info.param);
                         });

TEST_F(CurlDownloaderTest, DestinationThatCannotBeReplacedFailsUntilItIsFree) {
    auto downloader = MakeDownloader(PackageUrl());
    {
        // Held open without sharing: it can be neither deleted nor replaced.
        Utils::ScopedFileHandle lock(CreateFileW(destination_.c_str(), GENERIC_READ, 0, nullptr,
                                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(lock);
        ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));
    }
    EXPECT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_FAIL}));
    EXPECT_EQ(recorder_.Events().back().value, CURLE_WRITE_ERROR);
    ASSERT_TRUE(files_.Server().Reset());
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 2));
    EXPECT_EQ(recorder_.CodesWithoutProgress().back(), DL_CODE_SUCCESS);
    EXPECT_TRUE(SameContent(destination_, source_));
    // The complete part file is simply renamed: no request.
    EXPECT_TRUE(files_.Server().Requests().empty());
}

TEST_F(CurlDownloaderTest, FileUrlIsDownloadedFromItsAnsiPath) {
    const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
    bool hasFile = false;
    for (const char* const* protocol = info->protocols; *protocol; ++protocol) {
        hasFile = hasFile || std::string(*protocol) == "file";
    }
    if (!hasFile) GTEST_SKIP() << "libcurl was built without the file protocol";

    const std::wstring folder = files_.Downloads() + L"\\下载";
    const std::wstring digestFolder = folder + L"\\" + Utils::FromUtf8(files_.Md5Of("pkg.exe"));
    CreateDirectoryW(folder.c_str(), nullptr);
    CreateDirectoryW(digestFolder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(source_.c_str(), (digestFolder + L"\\pkg.exe").c_str(), FALSE));
    std::wstring url = L"file:///" + digestFolder + L"\\pkg.exe";
    for (wchar_t& c : url) {
        if (c == L'\\') c = L'/';
    }
    auto downloader = MakeDownloader(url);
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));
    EXPECT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_SUCCESS}));
    EXPECT_TRUE(SameContent(destination_, source_));
}

}  // namespace
