#pragma once

// The animation state behind the frame-sequence controls: which numbered
// image to show on each timer tick, forward, looping or as a round trip,
// and when a sequence that does not loop has ended. Free of windows, so the
// frame order can be checked on its own.

#include <optional>
#include <string>

class FrameSequence {
public:
    FrameSequence(int span, bool roundTrip) : span_(span), roundTrip_(roundTrip) {}

    // Frame paths hold at most this many characters (with the terminator).
    static constexpr size_t kMaxFrameNameLength = 260;

    const std::wstring& GetPattern() const { return pattern_; }
    void SetPattern(const std::wstring& pattern) { pattern_ = pattern; }
    int GetCount() const { return count_; }
    void SetCount(int count) { count_ = count; }
    int GetSpan() const { return span_; }
    void SetSpan(int span) { span_ = span; }
    bool AutoStart() const { return autoStart_; }
    bool Loops() const { return loop_; }
    bool RoundTrip() const { return roundTrip_; }

    // Takes the markup attributes of the animation; false for any other.
    bool ApplyAttribute(const std::wstring& name, const std::wstring& value);

    // Start from the first frame again, keeping the current direction.
    void Rewind() { current_ = 0; }

    struct Step {
        std::optional<std::wstring> frame;  // the image to show now
        bool finished = false;              // a sequence without loop has ended
    };
    // One timer tick.
    Step Advance();

    // The pattern filled in with `frame`. Nothing when the pattern is not a
    // path with exactly one integer conversion ("%d", "%.3d", "%03i", ...)
    // or the result does not fit kMaxFrameNameLength.
    static std::optional<std::wstring> FrameName(const std::wstring& pattern, int frame);

private:
    std::wstring pattern_;
    int count_ = 0;
    int span_;
    bool autoStart_ = false;
    bool loop_ = true;
    bool forward_ = true;
    bool roundTrip_;
    int current_ = 0;
};
