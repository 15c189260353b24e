#pragma once

// What the frame-sequence label and button share: they play a numbered
// series of images (markup "sequencebkimage" with one "%d"-style
// conversion, "sequencecount", "sequencespan", "sequenceloop", "autostart",
// "sequenceround") by replacing their own background image on every tick
// of their timer 2100. They consume their timer events: no "timer"
// notification reaches the window for them.

#include <string>

#include "ui/frame_sequence.h"
#include "ui/framework/control_event.h"

template <typename Base>
class SequenceControl : public Base {
public:
    static constexpr UINT kTimerId = 2100;

    SequenceControl(int span, bool roundTrip) : sequence_(span, roundTrip) {}
    ~SequenceControl() override { Base::KillTimer(kTimerId); }

    const std::wstring& GetSequenceBkImage() const { return sequence_.GetPattern(); }
    void SetSequenceBkImage(const std::wstring& pattern) { sequence_.SetPattern(pattern); }
    int GetSequenceCount() const { return sequence_.GetCount(); }
    void SetSequenceCount(int count) { sequence_.SetCount(count); }
    int GetSequenceSpan() const { return sequence_.GetSpan(); }
    void SetSequenceSpan(int span) { sequence_.SetSpan(span); }
    const FrameSequence& Sequence() const { return sequence_; }

    // Plays from the first frame (again).
    void Start() {
        sequence_.Rewind();
        ArmTimer();
    }
    void Stop() { Base::KillTimer(kTimerId); }

    void DoInit() override {
        Base::DoInit();
        if (sequence_.AutoStart()) ArmTimer();
    }

    void SetAttribute(const std::wstring& name, const std::wstring& value) override {
        if (!sequence_.ApplyAttribute(name, value)) Base::SetAttribute(name, value);
    }

    void DoEvent(ControlEvent& event) override {
        if (event.type != ControlEventType::Timer) {
            Base::DoEvent(event);
            return;
        }
        const FrameSequence::Step step = sequence_.Advance();
        if (step.finished) {
            Base::KillTimer(kTimerId);
        } else if (step.frame) {
            Base::SetBkImage(*step.frame);
            Base::Invalidate();
        }
    }

private:
    void ArmTimer() { Base::SetTimer(kTimerId, static_cast<UINT>(sequence_.GetSpan())); }

    FrameSequence sequence_;
};
