#pragma once

// A label that plays a frame sequence, markup element "SequenceLabel"; by
// default one pass after another, 30 ms a frame, started by Start() unless
// "autostart" says so.

#include "ui/framework/label.h"
#include "ui/sequence_control.h"

class CSequenceLabel : public SequenceControl<CLabel> {
public:
    static constexpr const wchar_t* kClassName = L"SequenceLabel";

    CSequenceLabel() : SequenceControl(30, false) {}

    std::wstring GetClass() const override;
    CControl* GetInterface(const std::wstring& name) override;
};
