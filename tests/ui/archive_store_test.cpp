// The skin archive store: the test skin archive linked into this program as
// resource "ZIPRES" 147, lookups by name, layout and image requests, and the
// loose-file fallback.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "resources/resource_ids.h"
#include "tests/support/temp_dir.h"
#include "ui/framework/resource_source.h"
#include "ui/seven_zip_archive.h"
#include "ui/skin_resource_store.h"

namespace {

constexpr size_t kFilesInTestSkin = 12;
constexpr size_t kLayoutLimit = 4 * 1024 * 1024;

std::unique_ptr<CSkinResourceStore> StoreWithTestArchive() {
    auto store = std::make_unique<CSkinResourceStore>();
    store->UseSevenZip(true);
    store->PrepareForWindow(L"", SkinUI::kSkinInResourceArchive, IDR_SKIN_ARCHIVE);
    return store;
}

std::vector<uint8_t> TestArchiveBytes() {
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_SKIN_ARCHIVE), L"ZIPRES");
    const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, resource)));
    return std::vector<uint8_t>(bytes, bytes + SizeofResource(nullptr, resource));
}

TEST(SkinArchiveStore, DecompressesTheResourceArchiveIntoAnEntryTable) {
    const auto store = StoreWithTestArchive();
    EXPECT_EQ(store->ArchiveName(), L"membuffer");
    EXPECT_EQ(store->ResourcePath().back(), L'\\');
    ASSERT_NE(store->Archive(), nullptr);
    const auto& entries = store->Archive()->Entries();
    ASSERT_EQ(entries.size(), kFilesInTestSkin);
    for (const auto& entry : entries) {
        EXPECT_EQ(entry.name.find(L'\\'), std::wstring::npos) << entry.name.c_str();
        EXPECT_EQ(entry.nameLength, static_cast<int>(entry.name.size()) + 1);
        EXPECT_EQ(entry.size, entry.data.size());
    }
}

TEST(SkinArchiveStore, ResourceIsCopiedAndOpenedOnlyForTheFirstWindow) {
    const auto store = StoreWithTestArchive();
    const CSevenZipArchive* first = store->Archive();
    store->PrepareForWindow(L"", SkinUI::kSkinInResourceArchive, IDR_SKIN_ARCHIVE);
    store->SetResourceArchiveFromMemory(std::vector<uint8_t>{1, 2, 3});
    EXPECT_EQ(store->Archive(), first);
}

TEST(SkinArchiveStore, MissingResourceLeavesTheStoreWithoutArchive) {
    CSkinResourceStore store;
    store.UseSevenZip(true);
    store.PrepareForWindow(L"", SkinUI::kSkinInResourceArchive, 999);
    EXPECT_TRUE(store.ArchiveName().empty());
    EXPECT_EQ(store.Archive(), nullptr);
}

struct LookupCase {
    const char* name;
    const wchar_t* path;
    bool found;
};

void PrintTo(const LookupCase& row, std::ostream* out) { *out << row.name; }

// Table rows are named, in test names and in failure messages.
template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

class ArchiveLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(ArchiveLookup, ComparesWholeNamesIgnoringCaseAndSlashDirection) {
    const auto store = StoreWithTestArchive();
    EXPECT_EQ(store->Archive()->Find(GetParam().path).has_value(), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ArchiveLookup,
    ::testing::Values(LookupCase{"AsStored", L"exitTipWnd.xml", true},
                      LookupCase{"OtherCase", L"ExitTipWnd.xml", true},
                      LookupCase{"Slashes", L"res/test/corner.png", true},
                      LookupCase{"Backslashes", L"res\\test\\corner.png", true},
                      LookupCase{"MixedEverything", L"RES\\Test/CORNER.PNG", true},
                      LookupCase{"OneCharacterMore", L"res/test/corner.pngx", false},
                      LookupCase{"TrailingSpace", L"ExitTipWnd.xml ", false},
                      LookupCase{"OneCharacterLess", L"xitTipWnd.xml", false},
                      LookupCase{"Folder", L"res/test", false}, LookupCase{"Empty", L"", false}),
    CaseName<LookupCase>);

struct LayoutCase {
    const char* name;
    const wchar_t* path;
    const wchar_t* error;
    size_t size;
};

void PrintTo(const LayoutCase& row, std::ostream* out) { *out << row.name; }

class ArchiveLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ArchiveLayout, AnswersFromTheArchiveOrSaysWhy) {
    const auto store = StoreWithTestArchive();
    const SkinUI::LayoutBytes layout = store->LoadLayout(GetParam().path);
    EXPECT_EQ(layout.error, GetParam().error);
    EXPECT_EQ(layout.data.size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, ArchiveLayout,
    ::testing::Values(LayoutCase{"Empty", L"empty.xml", L"File is empty", 0},
                      LayoutCase{"OneByteOverLimit", L"big.xml", L"File too large", 0},
                      LayoutCase{"AtLimit", L"limit.xml", L"", kLayoutLimit},
                      LayoutCase{"Missing", L"missing.xml", L"Could not find ziped file", 0}),
    CaseName<LayoutCase>);

TEST(SkinArchiveStore, LayoutRequestFindsTheFileAsStored) {
    const auto store = StoreWithTestArchive();
    const SkinUI::LayoutBytes layout = store->LoadLayout(L"ExitTipWnd.xml");
    ASSERT_EQ(layout.error, L"");
    const std::string text(layout.data.begin(), layout.data.end());
    EXPECT_NE(text.find("exitRoot"), std::string::npos);
}

TEST(SkinArchiveStore, UnreadableArchiveBytesOpenNothing) {
    const std::vector<uint8_t> archive = TestArchiveBytes();
    ASSERT_GT(archive.size(), 32u);
    const std::vector<uint8_t> garbage(archive.size(), 0x5A);
    EXPECT_EQ(CSevenZipArchive::OpenFromMemory(garbage.data(), garbage.size()), nullptr);
    EXPECT_EQ(CSevenZipArchive::OpenFromMemory(archive.data(), archive.size() / 2), nullptr);
    EXPECT_EQ(CSevenZipArchive::OpenFromMemory(archive.data(), 0), nullptr);

    CSkinResourceStore store;
    store.UseSevenZip(true);
    store.SetResourceArchiveFromMemory(garbage);
    EXPECT_EQ(store.LoadLayout(L"TestWnd.xml").error, L"Error opening zip file");
}

TEST(SkinArchiveStore, WithoutArchiveLayoutsAreLooseFilesBesideTheProgram) {
    TestSupport::TempDir folder;
    ASSERT_TRUE(TestSupport::WriteBytes(folder / L"loose.xml", "<Window/>"));
    ASSERT_TRUE(TestSupport::WriteBytes(folder / L"empty.xml", ""));
    ASSERT_TRUE(TestSupport::WriteBytes(folder / L"big.xml", std::string(kLayoutLimit + 1, ' ')));
    CSkinResourceStore store;
    store.SetResourcePath(folder.Path());

    const SkinUI::LayoutBytes loose = store.LoadLayout(L"loose.xml");
    EXPECT_EQ(loose.error, L"");
    EXPECT_EQ(std::string(loose.data.begin(), loose.data.end()), "<Window/>");
    EXPECT_EQ(store.LoadLayout(L"empty.xml").error, L"File is empty");
    EXPECT_EQ(store.LoadLayout(L"big.xml").error, L"File too large");
    EXPECT_EQ(store.LoadLayout(L"missing.xml").error, L"Error opening file");
}

TEST(SkinArchiveStore, SevenZipModeOffIgnoresTheArchive) {
    const auto store = StoreWithTestArchive();
    store->UseSevenZip(false);
    EXPECT_EQ(store->LoadLayout(L"TestWnd.xml").error, L"Error opening file");
}

TEST(SkinArchiveStore, ImagesMissingFromTheArchiveAreReadFromDisk) {
    TestSupport::TempDir folder;
    const std::string onDisk = "\x89PNG not really";
    ASSERT_TRUE(TestSupport::WriteBytes(folder / L"disk.png", onDisk));
    const auto store = StoreWithTestArchive();

    const std::vector<uint8_t> archived = store->LoadImageBytes(L"res\\test\\white.png");
    ASSERT_GT(archived.size(), 8u);
    EXPECT_EQ(archived[1], 'P');
    const std::vector<uint8_t> disk = store->LoadImageBytes(folder / L"disk.png");
    EXPECT_EQ(std::string(disk.begin(), disk.end()), onDisk);
    EXPECT_TRUE(store->LoadImageBytes(folder / L"none.png").empty());
    EXPECT_TRUE(store->LoadImageBytes(L"empty.xml").empty());
}

}  // namespace
