// Control trees built from markup and laid out as plain computations: fixed
// and flexible sizes, padding, nested layouts, hidden controls, tab pages,
// plus the markup builder's window description and its refusals.

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ui/framework/button.h"
#include "ui/framework/label.h"
#include "ui/framework/markup_builder.h"
#include "ui/framework/option.h"
#include "ui/framework/paint_manager.h"
#include "ui/framework/progress.h"
#include "ui/framework/tab_layout.h"

namespace {

class MarkupTree : public ::testing::Test {
protected:
    // Builds `markup` (UTF-8) and lays it out in a `width` x `height` window.
    bool Build(const std::string& markup, int width = 600, int height = 400,
               IControlFactory* factory = nullptr) {
        auto root = builder_.Create(markup.data(), markup.size(), manager_, factory);
        if (!root) return false;
        manager_.AttachRoot(std::move(root));
        manager_.GetRoot()->SetPos(RECT{0, 0, width, height});
        return true;
    }

    RECT Pos(const wchar_t* name) {
        CControl* control = manager_.FindControl(name);
        EXPECT_NE(control, nullptr) << name;
        return control != nullptr ? control->GetPos() : RECT{-1, -1, -1, -1};
    }

    CPaintManager manager_;
    CMarkupBuilder builder_;
};

void ExpectRect(const RECT& actual, int left, int top, int right, int bottom) {
    EXPECT_EQ(actual.left, left);
    EXPECT_EQ(actual.top, top);
    EXPECT_EQ(actual.right, right);
    EXPECT_EQ(actual.bottom, bottom);
}

TEST_F(MarkupTree, FixedAndFlexibleSizesWithPaddingAndNesting) {
    ASSERT_TRUE(Build(R"(<Window size="600,400">
        <VerticalLayout name="root">
            <HorizontalLayout name="title" height="45">
                <Control width="10" />
                <Control name="titleTab" width="200" />
                <Control name="gap" />
                <VerticalLayout name="buttons" width="72">
                    <Control height="20" />
                    <HorizontalLayout name="group" height="24">
                        <Button name="minbtn" width="24" height="24" />
                        <Control width="24" />
                        <Button name="closebtn" width="24" height="24" />
                    </HorizontalLayout>
                    <Control />
                </VerticalLayout>
                <Control width="20" />
            </HorizontalLayout>
            <HorizontalLayout name="client">
                <Label name="caption" padding="10,0,0,0" />
                <Label name="boxed" width="100" height="30" padding="5,6,7,8" />
            </HorizontalLayout>
        </VerticalLayout>
    </Window>)"));
    ExpectRect(Pos(L"title"), 0, 0, 600, 45);
    ExpectRect(Pos(L"titleTab"), 10, 0, 210, 45);
    ExpectRect(Pos(L"gap"), 210, 0, 508, 45);
    ExpectRect(Pos(L"buttons"), 508, 0, 580, 45);
    ExpectRect(Pos(L"group"), 508, 20, 580, 44);
    ExpectRect(Pos(L"minbtn"), 508, 20, 532, 44);
    ExpectRect(Pos(L"closebtn"), 556, 20, 580, 44);
    ExpectRect(Pos(L"client"), 0, 45, 600, 400);
    // The flexible label gets what the fixed one and both paddings leave.
    ExpectRect(Pos(L"caption"), 10, 45, 488, 400);
    ExpectRect(Pos(L"boxed"), 493, 51, 593, 81);
}

TEST_F(MarkupTree, HiddenControlsTakeNoRoomUntilShown) {
    ASSERT_TRUE(Build(R"(<Window>
        <VerticalLayout>
            <Control name="top" height="100" />
            <Label name="tip" height="50" visible="false" />
            <Control name="rest" />
        </VerticalLayout>
    </Window>)"));
    ExpectRect(Pos(L"rest"), 0, 100, 600, 400);
    EXPECT_EQ(manager_.FindControlAt(POINT{10, 120})->GetName(), L"rest");

    manager_.FindControl(L"tip")->SetVisible(true);
    manager_.GetRoot()->SetPos(RECT{0, 0, 600, 400});
    ExpectRect(Pos(L"tip"), 0, 100, 600, 150);
    ExpectRect(Pos(L"rest"), 0, 150, 600, 400);
    EXPECT_EQ(manager_.FindControlAt(POINT{10, 120})->GetName(), L"tip");
}

TEST_F(MarkupTree, PosFixesTheSize) {
    ASSERT_TRUE(Build(R"(<Window><HorizontalLayout>
        <Control name="placed" pos="5,5,85,35" /><Control name="rest" />
    </HorizontalLayout></Window>)"));
    ExpectRect(Pos(L"placed"), 0, 0, 80, 30);
    ExpectRect(Pos(L"rest"), 80, 0, 600, 400);
}

TEST_F(MarkupTree, TabLayoutShowsOnePageAndNotifiesSelection) {
    ASSERT_TRUE(Build(R"(<Window><TabLayout name="tabs">
        <VerticalLayout name="page0"><Button name="first" height="30" /></VerticalLayout>
        <VerticalLayout name="page1"><Button name="second" height="30" /></VerticalLayout>
    </TabLayout></Window>)"));
    auto* tabs = static_cast<CTabLayout*>(manager_.FindControl(L"tabs"));
    std::vector<std::pair<WPARAM, LPARAM>> selections;
    tabs->AddNotifyHandler([&](const NotifyMsg& msg) {
        if (msg.type == L"tabselect") selections.emplace_back(msg.wParam, msg.lParam);
    });
    EXPECT_EQ(manager_.FindControlAt(POINT{10, 10})->GetName(), L"first");
    EXPECT_FALSE(manager_.FindControl(L"second")->IsVisible());

    EXPECT_TRUE(tabs->SelectItem(1));
    tabs->SetPos(RECT{0, 0, 600, 400});
    EXPECT_EQ(manager_.FindControlAt(POINT{10, 10})->GetName(), L"second");
    EXPECT_FALSE(manager_.FindControl(L"first")->IsVisible());
    EXPECT_TRUE(manager_.FindControl(L"second")->IsVisible());

    EXPECT_TRUE(tabs->SelectItem(1));   // already shown: nothing happens
    EXPECT_FALSE(tabs->SelectItem(2));  // no such page
    EXPECT_FALSE(tabs->SelectItem(-1));
    EXPECT_TRUE(tabs->SelectItem(0, false));
    EXPECT_EQ(tabs->GetCurSel(), 0);
    ASSERT_EQ(selections.size(), 1u);
    EXPECT_EQ(selections[0], std::make_pair(WPARAM{1}, LPARAM{0}));
}

TEST_F(MarkupTree, WindowElementDescribesTheWindow) {
    ASSERT_TRUE(Build(R"(<Window size="360,180" caption="0,0,0,30" roundcorner="2,2"
            showshadow="true" shadowcolor="#26003B76">
        <Font id="0" name="微软雅黑" size="14" default="true" />
        <Font id="1" size="16" underline="true" />
        <Label name="text" font="1" text="温馨提示" userdata="tip" align="center" valign="vcenter"
               multiline="true" />
    </Window>)"));
    EXPECT_EQ(manager_.GetInitSize().cx, 360);
    EXPECT_EQ(manager_.GetCaptionRect().bottom, 30);
    ASSERT_TRUE(manager_.GetRoundCorner());
    EXPECT_EQ(manager_.GetRoundCorner()->cy, 2);
    EXPECT_EQ(manager_.GetWindowAttribute(L"showshadow"), L"true");
    EXPECT_EQ(manager_.GetWindowAttribute(L"shadowcolor"), L"#26003B76");
    EXPECT_FALSE(manager_.GetWindowAttribute(L"size"));
    EXPECT_FALSE(manager_.GetWindowAttribute(L"shadowsize"));
    EXPECT_NE(manager_.GetFont(1), manager_.GetFont(0));
    EXPECT_EQ(manager_.GetFont(7), manager_.GetFont(0));

    auto* label = static_cast<CLabel*>(manager_.FindControl(L"text"));
    EXPECT_EQ(label->GetText(), L"温馨提示");
    EXPECT_EQ(label->GetUserData(), L"tip");
    EXPECT_EQ(label->GetTextStyle(), static_cast<UINT>(DT_CENTER | DT_VCENTER | DT_WORDBREAK));
    const SIZE one = manager_.MeasureText(1, L"Quillora", DT_SINGLELINE);
    const SIZE two = manager_.MeasureText(1, L"QuilloraQuillora", DT_SINGLELINE);
    EXPECT_GT(one.cx, 0);
    EXPECT_NEAR(two.cx, 2 * one.cx, 2);
}

class SequenceFactory : public IControlFactory {
public:
    std::unique_ptr<CControl> CreateControl(const std::wstring& element) override {
        asked.push_back(element);
        if (element == L"SequenceLabel") return std::make_unique<CLabel>();
        return nullptr;
    }
    std::vector<std::wstring> asked;
};

TEST_F(MarkupTree, UnknownElementsComeFromTheFactory) {
    SequenceFactory factory;
    ASSERT_TRUE(Build(R"(<Window><VerticalLayout>
        <SequenceLabel name="anim" height="154" /><Label />
    </VerticalLayout></Window>)",
                      600, 400, &factory));
    EXPECT_EQ(factory.asked, std::vector<std::wstring>{L"SequenceLabel"});
    ExpectRect(Pos(L"anim"), 0, 0, 600, 154);
}

struct RefusedCase {
    const char* name;
    const char* markup;
    const wchar_t* error;
};

void PrintTo(const RefusedCase& row, std::ostream* out) { *out << row.name; }

class RefusedMarkup : public MarkupTree, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedMarkup, SaysWhy) {
    SequenceFactory factory;
    EXPECT_FALSE(Build(GetParam().markup, 600, 400, &factory));
    EXPECT_EQ(builder_.GetLastError(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, RefusedMarkup,
    ::testing::Values(
        RefusedCase{"Malformed", "<Window><Label></Window>", L"XML parse error at offset 17"},
        RefusedCase{"Empty", "", L"XML parse error at offset 0"},
        RefusedCase{"NotWindow", "<Dialog><Label/></Dialog>", L"The root element is not Window"},
        RefusedCase{"NoControl", "<Window><Font id='0' size='12'/></Window>",
                    L"No control in the layout"},
        RefusedCase{"TwoRoots", "<Window><Label/><Label/></Window>", L"More than one root control"},
        RefusedCase{"UnknownElement", "<Window><VerticalLayout><Slider/></VerticalLayout></Window>",
                    L"Unknown element Slider"},
        RefusedCase{"ChildOfLabel", "<Window><Label><Button/></Label></Window>",
                    L"Element Label cannot hold controls"}),
    [](const ::testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST(ControlServices, ProgressValueIsClampedToItsRange) {
    CProgress progress;
    progress.SetPos(RECT{0, 0, 200, 8});
    progress.SetValue(150);
    EXPECT_EQ(progress.GetValue(), 100);
    progress.SetValue(-5);
    EXPECT_EQ(progress.GetValue(), 0);
    progress.SetValue(25);
    EXPECT_EQ(progress.FilledRect().right, 50);
    progress.SetRange(50, 40);  // refused
    progress.SetValue(100);
    EXPECT_EQ(progress.GetValue(), 100);
    progress.SetRange(40, 60);
    EXPECT_EQ(progress.GetValue(), 60);
    EXPECT_EQ(progress.FilledRect().right, 200);
    progress.SetValue(50);
    EXPECT_EQ(progress.FilledRect().right, 100);
}

TEST(ControlServices, CheckBoxSelectionNotifiesOnlyOnChange) {
    CPaintManager manager;
    auto box = std::make_unique<CCheckBox>();
    CCheckBox* check = box.get();
    manager.AttachRoot(std::move(box));
    std::vector<std::wstring> notified;
    check->AddNotifyHandler([&](const NotifyMsg& msg) { notified.push_back(msg.type); });

    check->Selected(true);
    check->Selected(true);
    check->Selected(false, false);
    EXPECT_TRUE(check->Activate());
    EXPECT_TRUE(check->IsSelected());
    EXPECT_EQ(notified, (std::vector<std::wstring>{L"selectchanged", L"click", L"selectchanged"}));
    EXPECT_EQ(check->GetClass(), L"CheckBox");
    EXPECT_EQ(check->GetInterface(L"Button"), check);
    EXPECT_EQ(check->GetInterface(L"Progress"), nullptr);

    check->SetEnabled(false);
    EXPECT_FALSE(check->Activate());
}

}  // namespace
