#include <gtest/gtest.h>

#include <curl/curl.h>

#include <memory>
#include <ostream>
#include <set>

#include "download/mtcurl_downloader.h"
#include "tests/download/event_recorder.h"
#include "tests/download/served_files.h"
#include "utils/unique_handle.h"

namespace {

using TestSupport::ServerFault;

constexpr long long kOneSegmentSize = 2 * 1024 * 1024;
constexpr long long kTwoSegmentSize = 20971520;
constexpr long long kSecondSegmentStart = 10485760;
constexpr long long kDropAfter = 3000000;

class MTCurlDownloaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(files_.Running());
        destination_ = files_.Downloads() + L"\\pkg.exe";
    }

    std::unique_ptr<CMTCurlDownloader> MakeDownloader(const std::string& path) {
        return std::make_unique<CMTCurlDownloader>(recorder_.Callback(), files_.Server().Url(path),
                                                   destination_);
    }

    std::wstring PartPath(int index) const { return destination_ + L"_" + std::to_wstring(index); }

    // The Range headers of the GET requests for `path`, in any order.
    std::multiset<std::string> RangesRequested(const std::string& path) {
        std::multiset<std::string> ranges;
        for (const auto& request : files_.Server().Requests("GET", path)) {
            ranges.insert(request.range);
        }
        return ranges;
    }

    ServedFiles files_;
    EventRecorder recorder_;
    std::wstring destination_;
};

struct SplitCase {
    long long size;
    std::multiset<std::string> ranges;
};

void PrintTo(const SplitCase& c, std::ostream* out) { *out << c.size << " bytes"; }

class MTCurlSplitTest : public MTCurlDownloaderTest,
                        public ::testing::WithParamInterface<SplitCase> {};

TEST_P(MTCurlSplitTest, FetchesOneOrTwoRangesAndVerifiesTheDigest) {
    const SplitCase& c = GetParam();
    const std::wstring source = files_.Add("pkg.exe", c.size);
    auto downloader = MakeDownloader("/software/pkg.exe");
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));

    EXPECT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_SUCCESS}));
    EXPECT_EQ(RangesRequested(files_.DigestPath("pkg.exe")), c.ranges);
    EXPECT_TRUE(SameContent(destination_, source));
    EXPECT_EQ(FileSizeOf(PartPath(0)), -1);
    EXPECT_EQ(FileSizeOf(PartPath(1)), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, MTCurlSplitTest,
    ::testing::Values(SplitCase{256, {"bytes=0-255"}}, SplitCase{10485759, {"bytes=0-10485758"}},
                      SplitCase{20971519, {"bytes=0-20971518"}},
                      SplitCase{20971520, {"bytes=0-10485759", "bytes=10485760-20971519"}},
                      SplitCase{31457281, {"bytes=0-15728639", "bytes=15728640-31457280"}}),
    [](const ::testing::TestParamInfo<SplitCase>& info) {
        return "Bytes" + std::to_string(info.param.size);
    });

TEST_F(MTCurlDownloaderTest, FileBelow256BytesFailsTheProbe) {
    files_.Add("pkg.exe", 255);
    auto downloader = MakeDownloader("/software/pkg.exe");
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));
    EXPECT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_FAIL}));
    EXPECT_EQ(recorder_.Events().back().value, 0.0);
    EXPECT_EQ(recorder_.Events().back().text, L"LibCurl");
    EXPECT_TRUE(RangesRequested(files_.DigestPath("pkg.exe")).empty());
}

TEST_F(MTCurlDownloaderTest, FailureWithProgressKeepsPartFilesAndResumesEachSegment) {
    const std::wstring source = files_.Add("pkg.exe", kTwoSegmentSize);
    const std::string path = files_.DigestPath("pkg.exe");
    auto& server = files_.Server();
    ASSERT_TRUE(server.AddFault(ServerFault(path, "close_after", kDropAfter).RangeStart(0)));
    ASSERT_TRUE(server.AddFault(
        ServerFault(path, "close_after", kDropAfter).RangeStart(kSecondSegmentStart)));
    ASSERT_TRUE(server.AddFault(ServerFault(path, "status", 503).Method("GET").Always()));
    auto downloader = MakeDownloader("/software/pkg.exe");
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));
    ASSERT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_RETRY}));
    EXPECT_EQ(recorder_.Events().back().value, CURLE_HTTP_RETURNED_ERROR);
    EXPECT_FALSE(recorder_.ProgressValues().empty());
    ASSERT_EQ(FileSizeOf(PartPath(0)), kDropAfter);
    ASSERT_EQ(FileSizeOf(PartPath(1)), kDropAfter);

    ASSERT_TRUE(server.Reset());
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 2));
    EXPECT_EQ(recorder_.CodesWithoutProgress().back(), DL_CODE_SUCCESS);
    EXPECT_TRUE(server.Requests("HEAD", "/software/pkg.exe").empty());
    EXPECT_EQ(RangesRequested(path),
              (std::multiset<std::string>{"bytes=3000000-10485759", "bytes=13485760-20971519"}));
    EXPECT_TRUE(SameContent(destination_, source));
}

TEST_F(MTCurlDownloaderTest, CompleteSegmentIsNotFetchedAgain) {
    const std::wstring source = files_.Add("pkg.exe", kTwoSegmentSize);
    const std::string path = files_.DigestPath("pkg.exe");
    const long long resumeAt = kSecondSegmentStart + kDropAfter;
    auto& server = files_.Server();
    ASSERT_TRUE(server.AddFault(
        ServerFault(path, "close_after", kDropAfter).RangeStart(kSecondSegmentStart)));
    ASSERT_TRUE(server.AddFault(ServerFault(path, "status", 503).RangeStart(resumeAt).Always()));
    auto downloader = MakeDownloader("/software/pkg.exe");
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));
    ASSERT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_RETRY}));
    ASSERT_EQ(FileSizeOf(PartPath(0)), kSecondSegmentStart);

    ASSERT_TRUE(server.Reset());
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 2));
    EXPECT_EQ(recorder_.CodesWithoutProgress().back(), DL_CODE_SUCCESS);
    EXPECT_EQ(RangesRequested(path), (std::multiset<std::string>{"bytes=13485760-20971519"}));
    EXPECT_TRUE(SameContent(destination_, source));
}

TEST_F(MTCurlDownloaderTest, FailureWithoutProgressDeletesPartFiles) {
    const std::wstring source = files_.Add("pkg.exe", kTwoSegmentSize);
    const std::string path = files_.DigestPath("pkg.exe");
    ASSERT_TRUE(files_.Server().AddFault(ServerFault(path, "status", 503).Method("GET").Always()));
    auto downloader = MakeDownloader("/software/pkg.exe");
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));
    ASSERT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_RETRY}));
    EXPECT_EQ(FileSizeOf(PartPath(0)), -1);
    EXPECT_EQ(FileSizeOf(PartPath(1)), -1);

    ASSERT_TRUE(files_.Server().Reset());
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 2));
    EXPECT_EQ(recorder_.CodesWithoutProgress().back(), DL_CODE_SUCCESS);
    EXPECT_EQ(RangesRequested(path),
              (std::multiset<std::string>{"bytes=0-10485759", "bytes=10485760-20971519"}));
    EXPECT_TRUE(SameContent(destination_, source));
}

// A first range answered wrongly is put right within the same attempt.
struct RangeFaultCase {
    const char* name;
    const char* kind;
    long long size;
    std::multiset<std::string> ranges;
};

void PrintTo(const RangeFaultCase& c, std::ostream* out) { *out << c.name; }

class MTCurlRangeFaultTest : public MTCurlDownloaderTest,
                             public ::testing::WithParamInterface<RangeFaultCase> {};

TEST_P(MTCurlRangeFaultTest, SegmentEndsWithExactlyItsBytes) {
    const RangeFaultCase& c = GetParam();
    const std::wstring source = files_.Add("pkg.exe", c.size);
    const std::string path = files_.DigestPath("pkg.exe");
    ASSERT_TRUE(files_.Server().AddFault(ServerFault(path, c.kind, 1000).RangeStart(0)));
    auto downloader = MakeDownloader("/software/pkg.exe");
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));

    EXPECT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_SUCCESS}));
    EXPECT_EQ(RangesRequested(path), c.ranges);
    EXPECT_TRUE(SameContent(destination_, source));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, MTCurlRangeFaultTest,
    ::testing::Values(
        // 1000 bytes past segment 0: the writer refuses them (libcurl ends the
        // transfer with its write error), and as all of the segment's bytes
        // are on disk it is complete: no second request.
        RangeFaultCase{
            "Surplus", "overrun", kTwoSegmentSize, {"bytes=0-10485759", "bytes=10485760-20971519"}},
        // A clean but short answer: the rest is asked for.
        RangeFaultCase{
            "ShortBody", "short", kOneSegmentSize, {"bytes=0-2097151", "bytes=2096152-2097151"}}),
    [](const ::testing::TestParamInfo<RangeFaultCase>& info) { return info.param.name; });

TEST_F(MTCurlDownloaderTest, DestinationThatCannotBeReplacedFailsTheAttempt) {
    const std::wstring source = files_.Add("pkg.exe", kOneSegmentSize);
    auto downloader = MakeDownloader("/software/pkg.exe");
    {
        // Held open without sharing: it can be neither deleted nor replaced.
        Utils::ScopedFileHandle lock(CreateFileW(destination_.c_str(), GENERIC_READ, 0, nullptr,
                                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(lock);
        ASSERT_TRUE(recorder_.RunAttempt(*downloader, 1));
    }
    EXPECT_EQ(recorder_.CodesWithoutProgress(), (std::vector<int>{DL_CODE_START, DL_CODE_RETRY}));
    ASSERT_TRUE(recorder_.RunAttempt(*downloader, 2));
    EXPECT_EQ(recorder_.CodesWithoutProgress().back(), DL_CODE_SUCCESS);
    EXPECT_TRUE(SameContent(destination_, source));
}

}  // namespace
