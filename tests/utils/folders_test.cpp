#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/temp_dir.h"
#include "utils/directory_chain.h"
#include "utils/temp_folder.h"

namespace {

bool IsDirectory(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(DirectoryChainTest, CreatesEveryMissingFolderFromTheLeft) {
    TestSupport::TempDir root;
    ASSERT_TRUE(Utils::CreateDirectoryChain(root / L"a\\b\\c"));
    EXPECT_TRUE(IsDirectory(root / L"a\\b\\c"));
    ASSERT_TRUE(Utils::CreateDirectoryChain(root / L"x\\安装\\"));
    EXPECT_TRUE(IsDirectory(root / L"x\\安装"));
    EXPECT_TRUE(Utils::CreateDirectoryChain(root / L"a\\b\\c"));  // already there
}

TEST(DirectoryChainTest, RefusesPathsLongerThan260CharactersWithoutCreatingAnything) {
    TestSupport::TempDir root;
    std::wstring path = root / L"first\\";
    path += std::wstring(261 - path.size(), L'y');
    ASSERT_EQ(path.size(), 261u);
    EXPECT_FALSE(Utils::CreateDirectoryChain(path));
    EXPECT_FALSE(IsDirectory(root / L"first"));
}

TEST(DirectoryChainTest, FailsBelowAFile) {
    TestSupport::TempDir root;
    TestSupport::WriteBytes(root / L"file", "x");
    EXPECT_FALSE(Utils::CreateDirectoryChain(root / L"file\\sub\\dir"));
}

class TempVariable {
public:
    explicit TempVariable(const std::wstring& value) {
        wchar_t old[MAX_PATH] = {};
        hadValue_ = GetEnvironmentVariableW(L"TMP", old, MAX_PATH) > 0;
        old_ = old;
        SetEnvironmentVariableW(L"TMP", value.c_str());
    }
    ~TempVariable() { SetEnvironmentVariableW(L"TMP", hadValue_ ? old_.c_str() : nullptr); }

private:
    bool hadValue_ = false;
    std::wstring old_;
};

TEST(TempFolderTest, CreatesThePrivateFolderInsideTheUserTemporaryFolder) {
    TestSupport::TempDir root;
    TempVariable tmp(root.Path());
    const std::wstring folder = Utils::GetPrivateTempFolder();
    EXPECT_EQ(folder, root.Path() + L"\\~VortaTemp.92482B06FB471E17\\");
    EXPECT_TRUE(IsDirectory(folder));
    EXPECT_EQ(Utils::GetPrivateTempFolder(), folder);  // exists already
}

TEST(TempFolderTest, AFolderThatCannotBeCreatedGivesAnEmptyPath) {
    TestSupport::TempDir root;
    TestSupport::WriteBytes(root / L"plainfile", "x");
    TempVariable tmp(root / L"plainfile");
    wchar_t buffer[MAX_PATH] = L"untouched";
    EXPECT_NE(Utils::GetPrivateTempFolder(buffer), 0);
    EXPECT_STREQ(buffer, L"untouched");
    EXPECT_EQ(Utils::GetPrivateTempFolder(), L"");
}

}  // namespace
