// The six layouts built from the skin archive: each window's attributes and
// fonts, and the names, kinds, texts, colours and states of the controls
// the installer's controllers look up.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/skin/skin_content.h"
#include "ui/framework/label.h"
#include "ui/framework/markup_builder.h"
#include "ui/framework/option.h"
#include "ui/framework/paint_manager.h"
#include "ui/framework/tab_layout.h"
#include "ui/sequence_control_factory.h"
#include "ui/sequence_label.h"

namespace {

class SequenceFactory : public IControlFactory {
public:
    std::unique_ptr<CControl> CreateControl(const std::wstring& element) override {
        return CreateSequenceControl(element);
    }
};

struct BuiltLayout {
    CPaintManager manager;
    std::unique_ptr<CControl> root;
};

std::unique_ptr<BuiltLayout> Build(const std::wstring& skinFile) {
    SkinContent::Store();
    auto built = std::make_unique<BuiltLayout>();
    SequenceFactory factory;
    CMarkupBuilder builder;
    built->root = builder.Create(skinFile, built->manager, &factory);
    EXPECT_TRUE(built->root) << skinFile.c_str() << ": " << builder.GetLastError().c_str();
    return built;
}

struct FontSpec {
    int id;
    int size;
    bool underline;
};

struct WindowSpec {
    const wchar_t* file;
    SIZE size;
    int captionHeight;
    SIZE roundCorner;
    const wchar_t* darkness;
    const wchar_t* color;
    int defaultFontSize;
    std::vector<FontSpec> fonts;
};

const std::vector<WindowSpec>& Windows() {
    // clang-format off
    static const std::vector<WindowSpec> windows{
        {L"MainWnd.xml", {600, 400}, 35, {1, 0}, L"20", L"#26003B76", 14,
         {{0, 14, false}, {1, 18, false}, {2, 14, false}, {3, 12, false}, {4, 24, false},
          {5, 32, false}, {6, 16, false}}},
        {L"MessageBox1Wnd.xml", {360, 180}, 30, {2, 2}, L"20", L"#26003B76", 14,
         {{0, 14, false}, {1, 16, false}}},
        {L"MessageBox2Wnd.xml", {360, 180}, 30, {2, 2}, L"20", L"#26003B76", 14,
         {{0, 14, false}, {1, 14, false}}},
        {L"InstalledPathTipWnd.xml", {400, 180}, 30, {1, 0}, L"10", L"#FFEDF0F4", 16,
         {{0, 16, false}, {1, 16, false}}},
        {L"NetworkTipWnd.xml", {360, 180}, 30, {2, 2}, L"20", L"#26003B76", 14,
         {{0, 14, false}, {1, 14, false}}},
        {L"ExitTipWnd.xml", {360, 180}, 30, {2, 2}, L"20", L"#26003B76", 14,
         {{0, 14, false}, {1, 16, false}, {2, 14, false}, {3, 14, true}, {4, 12, false},
          {5, 30, false}}},
    };
    // clang-format on
    return windows;
}

LOGFONTW FontOf(HFONT font) {
    LOGFONTW description{};
    GetObjectW(font, sizeof(description), &description);
    return description;
}

TEST(SkinLayouts, WindowsHaveTheirSizeCaptionCornersShadowAndFonts) {
    for (const WindowSpec& expected : Windows()) {
        SCOPED_TRACE(testing::Message() << expected.file);
        const auto built = Build(expected.file);
        ASSERT_TRUE(built->root);
        CPaintManager& manager = built->manager;
        EXPECT_EQ(manager.GetInitSize().cx, expected.size.cx);
        EXPECT_EQ(manager.GetInitSize().cy, expected.size.cy);
        const RECT caption = manager.GetCaptionRect();
        EXPECT_EQ(caption.left + caption.top + caption.right, 0);
        EXPECT_EQ(caption.bottom, expected.captionHeight);
        ASSERT_TRUE(manager.GetRoundCorner().has_value());
        EXPECT_EQ(manager.GetRoundCorner()->cx, expected.roundCorner.cx);
        EXPECT_EQ(manager.GetRoundCorner()->cy, expected.roundCorner.cy);

        const auto attribute = [&manager](const wchar_t* name) {
            return manager.GetWindowAttribute(name).value_or(L"(none)");
        };
        EXPECT_EQ(attribute(L"showshadow"), L"true");
        EXPECT_EQ(attribute(L"shadowsize"), L"6");
        EXPECT_EQ(attribute(L"shadowsharpness"), L"10");
        EXPECT_EQ(attribute(L"shadowposition"), L"1,1");
        EXPECT_EQ(attribute(L"shadowdarkness"), expected.darkness);
        EXPECT_EQ(attribute(L"shadowcolor"), expected.color);

        for (const FontSpec& font : expected.fonts) {
            const LOGFONTW description = FontOf(manager.GetFont(font.id));
            EXPECT_EQ(std::abs(description.lfHeight), font.size) << "font " << font.id;
            EXPECT_EQ(description.lfUnderline != 0, font.underline) << "font " << font.id;
            EXPECT_STREQ(description.lfFaceName, L"微软雅黑") << "font " << font.id;
        }
        EXPECT_EQ(std::abs(FontOf(manager.GetFont(-1)).lfHeight), expected.defaultFontSize);
    }
}

struct ControlSpec {
    const wchar_t* name;
    const wchar_t* kind;
    const wchar_t* text;  // null: not checked
    uint32_t textColor;   // 0: not checked
};

TEST(SkinLayouts, NamedControlsHaveTheirKindTextAndColour) {
    const std::vector<ControlSpec> messageBox{{L"captionLbl", L"Label", L"CAPTION", 0xFF666666},
                                              {L"textLbl", L"Label", L"TEXT", 0xFF333333},
                                              {L"closebtn", L"Button", L"", 0}};
    const struct {
        const wchar_t* file;
        std::vector<ControlSpec> controls;
    } windows[] = {
        {L"MainWnd.xml",
         {{L"winCtn", L"VerticalLayout", nullptr, 0},
          {L"titleTabLt", L"TabLayout", nullptr, 0},
          {L"backBtn", L"Button", L"", 0},
          {L"titleGrpCtn", L"HorizontalLayout", nullptr, 0},
          {L"minbtn", L"Button", L"", 0},
          {L"closebtn", L"Button", L"", 0},
          {L"mainTabLt", L"TabLayout", nullptr, 0},
          {L"defaultInstallBtn", L"Button", L"立即安装", 0xFFFFFFFF},
          {L"tipLbl", L"Label", L"", 0},
          {L"treatyCb", L"CheckBox", L"已同意", 0xFF8991AF},
          {L"treatyBtn", L"CheckBox", L"《用户许可协议》", 0xFF00A3FF},
          {L"customeBtn", L"Button", L"自定义安装", 0xFF606178},
          {L"installDirEdit", L"Edit", L"", 0xFF333333},
          {L"chDirBtn", L"Button", L"修改", 0xFFFFFFFF},
          {L"createDSCb", L"CheckBox", L"创建桌面快捷方式", 0xFF1A1A1A},
          {L"createQSCb", L"CheckBox", L"添加到快速启动栏", 0xFF1A1A1A},
          {L"customeInstallBtn", L"Button", L"立即安装", 0xFFFFFFFF},
          {L"progressAnLb", L"SequenceLabel", L"", 0},
          {L"progressLb", L"Label", L"正在安装中:0%，请稍候...", 0xFF282A43},
          {L"installPrg", L"Progress", nullptr, 0},
          {L"openProduceBtn", L"Button", L"立即体验", 0xFFFFFFFF}}},
        {L"MessageBox1Wnd.xml", messageBox},
        {L"MessageBox2Wnd.xml", messageBox},
        {L"InstalledPathTipWnd.xml",
         {{L"cancelBtn", L"Button", L"打开软件", 0xFF1890FF},
          {L"okBtn", L"Button", L"安装最新版本", 0xFFFFFFFF},
          {L"closebtn", L"Button", L"", 0}}},
        {L"NetworkTipWnd.xml",
         {{L"cancelBtn", L"Button", L"稍后再试", 0xFF1890FF},
          {L"okBtn", L"Button", L"重新安装", 0xFFFFFFFF},
          {L"closebtn", L"Button", L"", 0}}},
        {L"ExitTipWnd.xml",
         {{L"VerticalLayoutUI1", L"VerticalLayout", nullptr, 0},
          {L"abcc", L"Label", L"您确定要退出安装吗？", 0xFF555C78},
          {L"okBtn", L"Button", L"是", 0xFF1890FF},
          {L"cancelBtn", L"Button", L"否", 0xFFFFFFFF},
          {L"closebtn", L"Button", L"", 0}}},
    };
    for (const auto& window : windows) {
        const auto built = Build(window.file);
        ASSERT_TRUE(built->root) << window.file;
        for (const ControlSpec& expected : window.controls) {
            SCOPED_TRACE(testing::Message() << window.file << " " << expected.name);
            CControl* control = built->root->FindControl(expected.name);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->GetClass(), expected.kind);
            if (expected.text != nullptr) {
                EXPECT_EQ(control->GetText(), expected.text);
            }
            if (expected.textColor != 0) {
                auto* label = static_cast<CLabel*>(control->GetInterface(L"Label"));
                ASSERT_NE(label, nullptr);
                EXPECT_EQ(label->GetTextColor(), expected.textColor);
            }
        }
    }
}

TEST(SkinLayouts, MainWindowPagesChecksAndAnimation) {
    const auto built = Build(L"MainWnd.xml");
    ASSERT_TRUE(built->root);
    const auto find = [&built](const wchar_t* name) {
        CControl* control = built->root->FindControl(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    };
    EXPECT_EQ(built->root->GetName(), L"winCtn");
    EXPECT_EQ(find(L"winCtn")->GetBkImage(), L"res\\mainWnd\\bg1.png");
    EXPECT_EQ(static_cast<CTabLayout*>(find(L"titleTabLt"))->GetCount(), 3);
    EXPECT_EQ(static_cast<CTabLayout*>(find(L"mainTabLt"))->GetCount(), 4);
    for (const wchar_t* name : {L"treatyCb", L"treatyBtn", L"createDSCb", L"createQSCb"}) {
        auto* check = static_cast<COption*>(find(name)->GetInterface(L"Option"));
        ASSERT_NE(check, nullptr) << name;
        EXPECT_TRUE(check->IsSelected()) << name;
    }
    EXPECT_FALSE(find(L"tipLbl")->IsVisible());

    auto* animation =
        static_cast<CSequenceLabel*>(find(L"progressAnLb")->GetInterface(L"SequenceLabel"));
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->GetSequenceBkImage(), L"res\\mainWnd\\installBtnAnimate\\%.3d.png");
    EXPECT_EQ(animation->GetSequenceCount(), 25);
    EXPECT_EQ(animation->GetSequenceSpan(), 30);
    EXPECT_TRUE(animation->Sequence().AutoStart());
    EXPECT_FALSE(animation->Sequence().RoundTrip());
    EXPECT_TRUE(animation->Sequence().Loops());
    EXPECT_EQ(animation->GetFixedWidth(), 156);
    EXPECT_EQ(animation->GetFixedHeight(), 154);
}

}  // namespace
