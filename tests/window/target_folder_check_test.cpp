#include "installer/src/target_folder_check.h"

#include <gtest/gtest.h>

namespace {

TEST(TargetFolderCheckTest, OneGibibyteIsEnough) {
    EXPECT_TRUE(HasRoomForProduct(1ull << 30));
    EXPECT_FALSE(HasRoomForProduct((1ull << 30) - 1));
    EXPECT_FALSE(HasRoomForProduct(static_cast<uint64_t>(0.99 * (1ull << 30))));
    EXPECT_FALSE(HasRoomForProduct(0));
}

TEST(TargetFolderCheckTest, TheVolumeIsTheDriveOfTheFolder) {
    EXPECT_EQ(VolumeOf(L"D:\\Apps\\Quillora"), L"D:");
    EXPECT_EQ(VolumeOf(L"c:"), L"c:");
    EXPECT_EQ(VolumeOf(L"\\\\server\\share\\Quillora"), L"\\\\server\\share\\Quillora");
    EXPECT_EQ(VolumeOf(L""), L"");
}

TEST(TargetFolderCheckTest, OnlyAbsoluteFoldersAreTargets) {
    EXPECT_TRUE(IsAbsoluteFolder(L"D:\\Apps\\Quillora"));
    EXPECT_TRUE(IsAbsoluteFolder(L"\\\\server\\share\\Quillora"));
    EXPECT_FALSE(IsAbsoluteFolder(L"Apps\\Quillora"));
    EXPECT_FALSE(IsAbsoluteFolder(L"\\Quillora"));  // root of whichever drive is current
    EXPECT_FALSE(IsAbsoluteFolder(L"D:Quillora"));  // relative to D:'s current folder
    EXPECT_FALSE(IsAbsoluteFolder(L""));
}

}  // namespace
