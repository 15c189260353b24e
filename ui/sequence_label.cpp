#include "ui/sequence_label.h"

std::wstring CSequenceLabel::GetClass() const { return kClassName; }

CControl* CSequenceLabel::GetInterface(const std::wstring& name) {
    return name == kClassName ? this : CLabel::GetInterface(name);
}
