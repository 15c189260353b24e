#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/temp_dir.h"
#include "utils/file_md5.h"
#include "utils/md5.h"
#include "utils/text_encoding.h"
#include "utils/unique_handle.h"

namespace {

struct Vector {
    std::string input;
    const char* digest;
};

class Md5VectorTest : public testing::TestWithParam<Vector> {};

TEST_P(Md5VectorTest, MatchesTheReferenceDigest) {
    EXPECT_EQ(Utils::Md5::HexDigest(GetParam().input), GetParam().digest);
}

INSTANTIATE_TEST_SUITE_P(
    Rfc1321, Md5VectorTest,
    testing::Values(
        Vector{"", "d41d8cd98f00b204e9800998ecf8427e"},
        Vector{"a", "0cc175b9c0f1b6a831c399e269772661"},
        Vector{"abc", "900150983cd24fb0d6963f7d28e17f72"},
        Vector{"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        Vector{"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        Vector{"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
               "d174ab98d277d9f5a5611c2c9f419d9f"},
        Vector{"1234567890123456789012345678901234567890123456789012345678901234567890123456"
               "7890",
               "57edf4a22be3c955ac49da2e2107b67a"},
        Vector{std::string(1000000, 'a'), "7707d6ae4e027c70eea2a935c2296f21"}));

TEST(Md5Test, PiecesGiveTheSameDigestAsTheWhole) {
    std::string data;
    for (int i = 0; i < 5000; ++i) data += static_cast<char>(i * 7 + i / 13);
    Utils::Md5 pieces;
    for (size_t at = 0, step = 1; at < data.size(); at += step, step = step * 3 % 200 + 1) {
        pieces.Update(data.data() + at, std::min(step, data.size() - at));
    }
    EXPECT_EQ(Utils::Md5::ToHex(pieces.Final()), Utils::Md5::HexDigest(data));
}

TEST(FileMd5Test, HashesAFileOfManyBlocks) {
    TestSupport::TempDir folder;
    std::string data(3 * 1024 * 1024 + 123, '\0');
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>((i * 2654435761u) >> 13);
    const std::wstring path = folder / L"文件.bin";
    ASSERT_TRUE(TestSupport::WriteBytes(path, data));
    EXPECT_EQ(Utils::FileMd5(Utils::ToAnsi(path)), Utils::Md5::HexDigest(data));
}

TEST(FileMd5Test, AnUnreadableFileGivesAnEmptyDigest) {
    TestSupport::TempDir folder;
    EXPECT_EQ(Utils::FileMd5(Utils::ToAnsi(folder / L"missing.bin")), "");

    const std::wstring locked = folder / L"locked.bin";
    TestSupport::WriteBytes(locked, "data");
    Utils::ScopedFileHandle exclusive(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr,
                                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(exclusive);
    EXPECT_EQ(Utils::FileMd5(Utils::ToAnsi(locked)), "");
}

}  // namespace
