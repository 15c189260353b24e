// The funnel's label table and the download failure reason.

#include <gtest/gtest.h>
#include <windows.h>

#include "installer/src/download_failure_probe.h"
#include "installer/src/funnel_labels.h"
#include "installer/src/funnel_reasons.h"
#include "tests/support/temp_dir.h"

namespace {

using namespace Funnel;

TEST(FunnelLabelsTest, ReportedButtonsHaveTheirLabels) {
    EXPECT_STREQ(ClickLabelOf(L"defaultInstallBtn"), L"立即安装");
    EXPECT_STREQ(ClickLabelOf(L"customeBtn"), L"自定义安装");
    EXPECT_STREQ(ClickLabelOf(L"customeInstallBtn"), L"自定义安装_立即安装");
    EXPECT_STREQ(ClickLabelOf(L"openProduceBtn"), L"立即体验");
    EXPECT_EQ(ClickLabelOf(L"closeBtn"), nullptr);
}

TEST(DownloadFailureReasonTest, ReadsAsTheFunnelReportsExpect) {
    DownloadFailureFacts facts;
    facts.eventCode = 28;
    facts.eventText = L"Timeout was reached";
    facts.freeGigabytes = 1.5;
    facts.writePermission = kWritable;
    facts.connectionCode = 65536;
    EXPECT_EQ(DownloadFailureReason(facts),
              L"1.code=28；2.msg=Timeout was reached；3.缓存磁盘容量=1.50G；4.缓存读写权限=可读；"
              L"5.服务器连接状态code=65536");
}

TEST(DownloadFailureReasonTest, LongMessagesAreShortenedNotTheMeasurements) {
    DownloadFailureFacts facts;
    facts.eventCode = -1;
    // U+1F600 as a surrogate pair, repeated past any room.
    for (int i = 0; i < 150; ++i) facts.eventText += L"\xD83D\xDE00";
    facts.freeGigabytes = 0.004;
    facts.writePermission = kNotWritable;
    const std::wstring reason = DownloadFailureReason(facts);
    EXPECT_LE(reason.size(), kMaxReasonLength);
    EXPECT_EQ(reason.substr(0, 16), L"1.code=-1；2.msg=");
    const std::wstring tail =
        L"；3.缓存磁盘容量=0.00G；4.缓存读写权限=无权限；5.服务器连接状态code=0";
    ASSERT_GT(reason.size(), tail.size());
    EXPECT_EQ(reason.substr(reason.size() - tail.size()), tail);
    const std::wstring message = reason.substr(16, reason.size() - 16 - tail.size());
    ASSERT_FALSE(message.empty());
    EXPECT_EQ(message.size() % 2, 0u);  // whole pairs only
    EXPECT_EQ(message.back(), L'\xDE00');
}

TEST(CutTextTest, NeverSplitsASurrogatePair) {
    const std::wstring pair = L"\xD83D\xDE00";
    EXPECT_EQ(CutText(L"abc", 2), L"ab");
    EXPECT_EQ(CutText(L"a" + pair, 2), L"a");
    EXPECT_EQ(CutText(L"a" + pair, 3), L"a" + pair);
    EXPECT_EQ(CutText(pair + L"b", 2), pair);
    EXPECT_EQ(CutText(pair, 1), L"");
    EXPECT_EQ(CutText(L"short"), L"short");
}

TEST(WritePermissionTest, WritableFolderIsReadableAndKeepsNoProbe) {
    TestSupport::TempDir folder;
    const std::wstring package = folder / L"setup.exe";
    EXPECT_EQ(ProbeWritePermission(package), kWritable);
    EXPECT_FALSE(TestSupport::FileExists(package));

    // A leftover package is replaced by the probe and removed with it.
    TestSupport::WriteBytes(package, "partial");
    EXPECT_EQ(ProbeWritePermission(package), kWritable);
    EXPECT_FALSE(TestSupport::FileExists(package));
}

TEST(WritePermissionTest, FolderThatCannotExistIsNotWritable) {
    TestSupport::TempDir folder;
    TestSupport::WriteBytes(folder / L"file", "x");
    EXPECT_EQ(ProbeWritePermission(folder / L"file\\setup.exe"), kNotWritable);
}

TEST(WritePermissionTest, PackageHeldOpenIsNotWritable) {
    TestSupport::TempDir folder;
    const std::wstring package = folder / L"setup.exe";
    TestSupport::WriteBytes(package, "in use");
    const HANDLE held = CreateFileW(package.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ProbeWritePermission(package), kNotWritable);
    CloseHandle(held);
}

TEST(DescribeDownloadFailureTest, MeasuresTheDriveOfThePackage) {
    TestSupport::TempDir folder;
    const std::wstring package = folder / L"setup.exe";
    EXPECT_GT(FreeGigabytesOnDrive(package), 0.0);
    EXPECT_EQ(FreeGigabytesOnDrive(L"\\\\nowhere\\share\\setup.exe"), 0.0);
    const std::wstring reason = DescribeDownloadFailure(package, 7, L"Couldn't connect");
    EXPECT_EQ(reason.find(L"1.code=7；2.msg=Couldn't connect；3.缓存磁盘容量="), 0u) << reason;
    EXPECT_NE(reason.find(L"G；4.缓存读写权限=可读；5.服务器连接状态code="), std::wstring::npos)
        << reason;
}

}  // namespace
