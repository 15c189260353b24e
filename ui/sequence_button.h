#pragma once

// A button that plays a frame sequence, markup element "SequenceButton"; by
// default forward and back again, 60 ms a frame.

#include "ui/framework/button.h"
#include "ui/sequence_control.h"

class CSequenceButton : public SequenceControl<CButton> {
public:
    static constexpr const wchar_t* kClassName = L"SequenceButton";

    CSequenceButton() : SequenceControl(60, true) {}

    std::wstring GetClass() const override;
    CControl* GetInterface(const std::wstring& name) override;
};
