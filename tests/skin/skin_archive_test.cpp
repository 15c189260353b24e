// The installer's skin archive as linked into the program: exactly the six
// layouts and sixty images, each image at its size and pixel format, every
// image a layout names found (written with "\" or "/"), and the exit dialog
// found although it is stored with a different case.

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <algorithm>
#include <cwctype>
#include <set>
#include <string>
#include <vector>

#include "tests/skin/skin_content.h"
#include "ui/frame_sequence.h"
#include "ui/framework/image.h"
#include "ui/framework/image_descriptor.h"
#include "ui/skin_resource_store.h"

namespace {

using SkinContent::Store;

std::wstring Normalised(std::wstring path) {
    std::replace(path.begin(), path.end(), L'\\', L'/');
    std::transform(path.begin(), path.end(), path.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return path;
}

// The image files the attributes of `node` and its descendants name; frame
// patterns are expanded over their frame count.
void CollectImages(const pugi::xml_node& node, std::vector<std::wstring>& files) {
    static const std::set<std::wstring> kImageAttributes{
        L"bkimage", L"normalimage", L"hotimage", L"pushedimage", L"selectedimage", L"foreimage"};
    for (const pugi::xml_attribute& attribute : node.attributes()) {
        const std::wstring name = attribute.name();
        if (kImageAttributes.count(name) != 0) {
            const auto descriptor = SkinUI::ParseImageDescriptor(attribute.value());
            EXPECT_TRUE(descriptor.has_value()) << attribute.value();
            if (descriptor) files.push_back(descriptor->file);
        } else if (name == L"sequencebkimage") {
            const int count = node.attribute(L"sequencecount").as_int();
            for (int frame = 0; frame < count; ++frame) {
                files.push_back(FrameSequence::FrameName(attribute.value(), frame).value_or(L""));
            }
        }
    }
    for (const pugi::xml_node& child : node.children()) CollectImages(child, files);
}

TEST(SkinArchive, HoldsExactlyTheSixLayoutsAndSixtyImages) {
    ASSERT_NE(Store().Archive(), nullptr);
    std::multiset<std::wstring> stored;
    for (const auto& entry : Store().Archive()->Entries()) stored.insert(entry.name);
    std::multiset<std::wstring> expected(SkinContent::Layouts().begin(),
                                         SkinContent::Layouts().end());
    for (const auto& image : SkinContent::Images()) expected.insert(image.path);
    EXPECT_EQ(expected.size(), 66u);
    EXPECT_EQ(stored, expected);
}

TEST(SkinArchive, ImagesHaveTheirSizeAndPixelFormat) {
    for (const auto& image : SkinContent::Images()) {
        const std::vector<uint8_t> bytes = Store().LoadImageBytes(image.path);
        ASSERT_GT(bytes.size(), 33u) << image.path.c_str();
        // The PNG header: width and height big-endian, then bit depth and
        // colour type (3 palette, 6 RGBA).
        const auto read32 = [&bytes](size_t at) {
            return bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
        };
        EXPECT_EQ(read32(16), image.width) << image.path.c_str();
        EXPECT_EQ(read32(20), image.height) << image.path.c_str();
        EXPECT_EQ(bytes[24], 8) << image.path.c_str();
        EXPECT_EQ(bytes[25], image.palette ? 3 : 6) << image.path.c_str();
        const auto decoded = SkinUI::DecodeImage(bytes);
        ASSERT_NE(decoded, nullptr) << image.path.c_str();
        EXPECT_EQ(decoded->width, image.width);
        EXPECT_EQ(decoded->height, image.height);
    }
}

TEST(SkinArchive, BackgroundsAreOneImageAndTheAnimationEndsWhereItStarts) {
    const auto bytes = [](const wchar_t* path) { return Store().LoadImageBytes(path); };
    const auto background = bytes(L"res/mainWnd/bg1.png");
    EXPECT_EQ(bytes(L"res/mainWnd/bg2.png"), background);
    EXPECT_EQ(bytes(L"res/mainWnd/bg3.png"), background);
    EXPECT_EQ(bytes(L"res/mainWnd/bg4.png"), background);

    const auto first = bytes(L"res/mainWnd/installBtnAnimate/000.png");
    EXPECT_EQ(bytes(L"res/mainWnd/installBtnAnimate/024.png"), first);
    EXPECT_NE(bytes(L"res/mainWnd/installBtnAnimate/001.png"), first);
    EXPECT_NE(bytes(L"res/mainWnd/installBtnAnimate/012.png"), first);
}

TEST(SkinArchive, EveryImageALayoutNamesIsFound) {
    std::set<std::wstring> named;
    bool slashForm = false;
    for (const std::wstring& layoutName : SkinContent::Layouts()) {
        const SkinUI::LayoutBytes layout = Store().LoadLayout(layoutName);
        ASSERT_TRUE(layout.error.empty()) << layoutName.c_str() << ": " << layout.error.c_str();
        pugi::xml_document document;
        ASSERT_TRUE(document.load_buffer(layout.data.data(), layout.data.size()))
            << layoutName.c_str();
        std::vector<std::wstring> files;
        CollectImages(document, files);
        for (const std::wstring& file : files) {
            slashForm = slashForm || file.find(L'/') != std::wstring::npos;
            const auto image = SkinUI::DecodeImage(Store().LoadImageBytes(file));
            EXPECT_NE(image, nullptr) << layoutName.c_str() << " names " << file.c_str();
            named.insert(Normalised(file));
        }
    }
    EXPECT_TRUE(slashForm) << "the folder button's images are written with \"/\"";
    EXPECT_EQ(named.count(L"res/mainwnd/chdirbtn1.png"), 1u);

    // The other three backgrounds are set by the main window's controller.
    for (const wchar_t* path :
         {L"res\\mainWnd\\bg2.png", L"res\\mainWnd\\bg3.png", L"res\\mainWnd\\bg4.png"}) {
        named.insert(Normalised(path));
    }
    std::set<std::wstring> stored;
    for (const auto& image : SkinContent::Images()) stored.insert(Normalised(image.path));
    EXPECT_EQ(named, stored) << "every image of the archive is used";
}

TEST(SkinArchive, ExitLayoutIsFoundUnderTheNameTheProgramAsksFor) {
    const SkinUI::LayoutBytes layout = Store().LoadLayout(L"ExitTipWnd.xml");
    EXPECT_TRUE(layout.error.empty()) << layout.error.c_str();
    EXPECT_FALSE(layout.data.empty());
    const auto location = Store().Archive()->Find(L"ExitTipWnd.xml");
    ASSERT_TRUE(location.has_value());
    const auto& entries = Store().Archive()->Entries();
    const auto entry = std::find_if(entries.begin(), entries.end(),
                                    [&](const auto& e) { return e.index == location->index; });
    ASSERT_NE(entry, entries.end());
    EXPECT_EQ(entry->name, L"exitTipWnd.xml");
}

TEST(SkinArchive, ProgramsLayoutNamesAllResolve) {
    for (const wchar_t* name :
         {L"MainWnd.xml", L"MessageBox1Wnd.xml", L"MessageBox2Wnd.xml", L"InstalledPathTipWnd.xml",
          L"NetworkTipWnd.xml", L"ExitTipWnd.xml"}) {
        const SkinUI::LayoutBytes layout = Store().LoadLayout(name);
        EXPECT_TRUE(layout.error.empty()) << name << ": " << layout.error.c_str();
    }
}

}  // namespace
