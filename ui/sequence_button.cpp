#include "ui/sequence_button.h"

std::wstring CSequenceButton::GetClass() const { return kClassName; }

CControl* CSequenceButton::GetInterface(const std::wstring& name) {
    return name == kClassName ? this : CButton::GetInterface(name);
}
