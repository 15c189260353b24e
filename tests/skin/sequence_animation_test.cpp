// The frame-sequence label at work in a window: the progress page's
// animation shows frames 000 to 024 every 30 ms and starts again, Stop and
// Start halt and restart it, a sequence without loop stops on its last
// frame, and none of its timer events reaches the window as a notification.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/skin/skin_test_window.h"
#include "ui/framework/container.h"

namespace {

using SkinTest::RecordingSequenceLabel;

std::wstring Frame(int index) {
    wchar_t name[64];
    swprintf(name, 64, L"res\\mainWnd\\installBtnAnimate\\%03d.png", index);
    return name;
}

TEST(SequenceAnimation, ProgressAnimationShowsItsTwentyFiveFramesEvery30Ms) {
    const auto window = SkinTest::ShowSkinWindow(L"MainWnd.xml");
    auto* animation = dynamic_cast<RecordingSequenceLabel*>(window->FindControl(L"progressAnLb"));
    ASSERT_NE(animation, nullptr);

    animation->Start();
    const size_t first = animation->Ticks().size();
    ASSERT_TRUE(
        SkinTest::PumpUntil([&] { return animation->Ticks().size() >= first + 26; }, 10000));
    const auto& ticks = animation->Ticks();
    for (int frame = 0; frame < 25; ++frame) EXPECT_EQ(ticks[first + frame].image, Frame(frame));
    EXPECT_EQ(ticks[first + 25].image, Frame(0)) << "it loops";
    const DWORD elapsed = ticks[first + 24].time - ticks[first].time;
    EXPECT_GE(elapsed, 24u * 30u * 8u / 10u);
    EXPECT_LE(elapsed, 24u * 30u * 4u);
    EXPECT_EQ(window->NotificationCount(L"timer", L"progressAnLb"), 0);

    animation->Stop();
    const size_t stopped = animation->Ticks().size();
    SkinTest::PumpFor(300);
    EXPECT_EQ(animation->Ticks().size(), stopped);

    animation->Start();
    ASSERT_TRUE(SkinTest::PumpUntil([&] { return animation->Ticks().size() > stopped; }, 3000));
    EXPECT_EQ(animation->Ticks()[stopped].image, Frame(0)) << "Start plays from the first frame";
}

TEST(SequenceAnimation, SequenceWithoutLoopStopsOnItsLastFrame) {
    const auto window = SkinTest::ShowSkinWindow(L"ExitTipWnd.xml");
    auto label = std::make_unique<RecordingSequenceLabel>();
    RecordingSequenceLabel* sequence = label.get();
    label->SetAttribute(L"sequencebkimage", L"res\\mainWnd\\installBtnAnimate\\%.3d.png");
    label->SetAttribute(L"sequencecount", L"3");
    label->SetAttribute(L"sequencespan", L"20");
    label->SetAttribute(L"sequenceloop", L"false");
    label->SetAttribute(L"autostart", L"true");
    auto* root = static_cast<CContainer*>(window->FindControl(L"VerticalLayoutUI1"));
    root->Add(std::move(label));

    // Three frames, then the tick that finds the end and stops the timer.
    ASSERT_TRUE(SkinTest::PumpUntil([&] { return sequence->Ticks().size() >= 4; }, 5000));
    SkinTest::PumpFor(300);
    std::vector<std::wstring> images;
    for (const auto& tick : sequence->Ticks()) images.push_back(tick.image);
    EXPECT_EQ(images, (std::vector<std::wstring>{Frame(0), Frame(1), Frame(2), Frame(2)}));
}

TEST(SequenceAnimation, WithoutAutoStartNothingMovesUntilStart) {
    const auto window = SkinTest::ShowSkinWindow(L"ExitTipWnd.xml");
    auto label = std::make_unique<RecordingSequenceLabel>();
    RecordingSequenceLabel* sequence = label.get();
    label->SetAttribute(L"sequencebkimage", L"res\\mainWnd\\installBtnAnimate\\%.3d.png");
    label->SetAttribute(L"sequencecount", L"25");
    static_cast<CContainer*>(window->FindControl(L"VerticalLayoutUI1"))->Add(std::move(label));

    SkinTest::PumpFor(200);
    EXPECT_TRUE(sequence->Ticks().empty());
    sequence->Start();
    EXPECT_TRUE(SkinTest::PumpUntil([&] { return sequence->Ticks().size() >= 2; }, 3000));
}

}  // namespace
