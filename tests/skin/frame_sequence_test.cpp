// The frame order of the frame-sequence controls: frame names from the
// printf-style pattern, forward, looping and round-trip orders, when a
// sequence without loop stops, and the markup attributes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/frame_sequence.h"

namespace {

constexpr wchar_t kProgressPattern[] = L"res\\mainWnd\\installBtnAnimate\\%.3d.png";

struct Played {
    std::vector<int> frames;
    bool finished = false;
};

// Runs `ticks` timer ticks (or until the sequence finishes) and turns the
// frame names back into numbers.
Played Play(FrameSequence& sequence, int ticks) {
    Played played;
    for (int tick = 0; tick < ticks && !played.finished; ++tick) {
        const FrameSequence::Step step = sequence.Advance();
        played.finished = step.finished;
        if (step.frame)
            played.frames.push_back(std::stoi(step.frame->substr(step.frame->size() - 3)));
    }
    return played;
}

FrameSequence Sequence(int count, bool loop, bool roundTrip) {
    FrameSequence sequence(30, roundTrip);
    sequence.ApplyAttribute(L"sequencebkimage", L"f%.3d");
    sequence.SetCount(count);
    sequence.ApplyAttribute(L"sequenceloop", loop ? L"true" : L"false");
    return sequence;
}

TEST(FrameSequence, ProgressAnimationNamesItsFramesFrom000To024) {
    FrameSequence sequence(30, false);
    sequence.ApplyAttribute(L"sequencebkimage", kProgressPattern);
    sequence.ApplyAttribute(L"sequencecount", L"25");
    for (int frame = 0; frame < 25; ++frame) {
        const auto step = sequence.Advance();
        wchar_t expected[64];
        swprintf(expected, 64, L"res\\mainWnd\\installBtnAnimate\\%03d.png", frame);
        ASSERT_TRUE(step.frame.has_value());
        EXPECT_EQ(*step.frame, expected);
    }
    EXPECT_EQ(*sequence.Advance().frame, L"res\\mainWnd\\installBtnAnimate\\000.png");
}

TEST(FrameSequence, PlaysInTheOrderOfItsDirectionAndLoopFlags) {
    struct Case {
        const char* what;
        int count;
        bool loop;
        bool roundTrip;
        int ticks;
        std::vector<int> frames;
        bool finished;
    };
    const Case cases[] = {
        {"forward, looping", 3, true, false, 7, {0, 1, 2, 0, 1, 2, 0}, false},
        {"forward, once: stops on the last frame", 3, false, false, 10, {0, 1, 2}, true},
        {"round trip, looping", 4, true, true, 9, {0, 1, 2, 3, 2, 1, 0, 1, 2}, false},
        {"round trip, once", 4, false, true, 20, {0, 1, 2, 3, 2, 1}, true},
        {"round trip of two frames", 2, true, true, 6, {0, 1, 0, 1, 0, 1}, false},
        {"round trip of one frame stays on it", 1, true, true, 4, {0, 0, 0, 0}, false},
        {"no frames", 0, true, false, 5, {}, false},
    };
    for (const Case& c : cases) {
        FrameSequence sequence = Sequence(c.count, c.loop, c.roundTrip);
        const Played played = Play(sequence, c.ticks);
        EXPECT_EQ(played.frames, c.frames) << c.what;
        EXPECT_EQ(played.finished, c.finished) << c.what;
    }
}

TEST(FrameSequence, RewindStartsAgainFromTheFirstFrame) {
    FrameSequence sequence = Sequence(5, true, false);
    Play(sequence, 3);
    sequence.Rewind();
    EXPECT_EQ(Play(sequence, 2).frames, (std::vector<int>{0, 1}));
}

TEST(FrameSequence, EmptyPatternNeverShowsAFrame) {
    FrameSequence sequence(30, false);
    sequence.SetCount(25);
    const Played played = Play(sequence, 30);
    EXPECT_TRUE(played.frames.empty());
    EXPECT_FALSE(played.finished);
}

TEST(FrameSequence, OnlyTheExactTextFalseSwitchesAFlagOff) {
    const struct {
        const wchar_t* value;
        bool on;
    } cases[] = {{L"false", false}, {L"False", true}, {L"FALSE", true},
                 {L"true", true},   {L"", true},      {L"0", true}};
    for (const auto& c : cases) {
        FrameSequence sequence(30, false);
        sequence.ApplyAttribute(L"autostart", c.value);
        sequence.ApplyAttribute(L"sequenceround", c.value);
        sequence.ApplyAttribute(L"sequenceloop", c.value);
        EXPECT_EQ(sequence.AutoStart(), c.on) << c.value;
        EXPECT_EQ(sequence.RoundTrip(), c.on) << c.value;
        EXPECT_EQ(sequence.Loops(), c.on) << c.value;
    }
}

TEST(FrameSequence, AttributeNamesIgnoreCaseExceptTheFramePattern) {
    FrameSequence sequence(30, false);
    EXPECT_TRUE(sequence.ApplyAttribute(L"SequenceCount", L"25"));
    EXPECT_TRUE(sequence.ApplyAttribute(L"SEQUENCESPAN", L"45"));
    EXPECT_TRUE(sequence.ApplyAttribute(L"AutoStart", L"true"));
    EXPECT_EQ(sequence.GetCount(), 25);
    EXPECT_EQ(sequence.GetSpan(), 45);
    EXPECT_TRUE(sequence.AutoStart());

    EXPECT_FALSE(sequence.ApplyAttribute(L"SequenceBkImage", kProgressPattern));
    EXPECT_TRUE(sequence.GetPattern().empty());
    EXPECT_TRUE(sequence.ApplyAttribute(L"sequencebkimage", kProgressPattern));
    EXPECT_EQ(sequence.GetPattern(), kProgressPattern);

    EXPECT_FALSE(sequence.ApplyAttribute(L"bkimage", L"a.png"));
    EXPECT_TRUE(sequence.ApplyAttribute(L"sequencecount", L"many"));
    EXPECT_EQ(sequence.GetCount(), 25) << "an unreadable number keeps the value";
}

TEST(FrameSequence, DefaultsOfLabelAndButton) {
    const FrameSequence label(30, false);
    const FrameSequence button(60, true);
    EXPECT_EQ(label.GetSpan(), 30);
    EXPECT_FALSE(label.RoundTrip());
    EXPECT_EQ(button.GetSpan(), 60);
    EXPECT_TRUE(button.RoundTrip());
    for (const FrameSequence* sequence : {&label, &button}) {
        EXPECT_EQ(sequence->GetCount(), 0);
        EXPECT_TRUE(sequence->GetPattern().empty());
        EXPECT_FALSE(sequence->AutoStart());
        EXPECT_TRUE(sequence->Loops());
    }
}

TEST(FrameSequence, PatternsThatAreNoSingleIntegerConversionMakeNoFrameName) {
    const struct {
        const wchar_t* pattern;
        const wchar_t* name;  // null: no name
    } cases[] = {
        {L"a\\%d.png", L"a\\7.png"},
        {L"a\\%03i.png", L"a\\007.png"},
        {L"100%%\\%.3d.png", L"100%\\007.png"},
        {L"%x", L"7"},
        {L"a.png", nullptr},
        {L"%s.png", nullptr},
        {L"%d%d.png", nullptr},
        {L"%n", nullptr},
        {L"%.3", nullptr},
        {L"%", nullptr},
        {L"%9999d", nullptr},
        {L"%ls", nullptr},
    };
    for (const auto& c : cases) {
        const auto name = FrameSequence::FrameName(c.pattern, 7);
        if (c.name == nullptr) {
            EXPECT_FALSE(name.has_value()) << c.pattern;
        } else {
            ASSERT_TRUE(name.has_value()) << c.pattern;
            EXPECT_EQ(*name, c.name);
        }
    }
}

TEST(FrameSequence, NameLongerThanThePathLimitMakesNoFrame) {
    const std::wstring folder(FrameSequence::kMaxFrameNameLength - 8, L'a');
    EXPECT_TRUE(FrameSequence::FrameName(folder + L"%.3d", 1).has_value());
    EXPECT_FALSE(FrameSequence::FrameName(folder + L"\\%.3d.png", 1).has_value());

    FrameSequence sequence(30, false);
    sequence.SetPattern(folder + L"\\%.3d.png");
    sequence.SetCount(3);
    EXPECT_TRUE(Play(sequence, 5).frames.empty());
}

}  // namespace
