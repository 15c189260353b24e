#include "ui/sequence_control_factory.h"

#include "ui/sequence_button.h"
#include "ui/sequence_label.h"

std::unique_ptr<CControl> CreateSequenceControl(const std::wstring& element) {
    if (element == CSequenceLabel::kClassName) return std::make_unique<CSequenceLabel>();
    if (element == CSequenceButton::kClassName) return std::make_unique<CSequenceButton>();
    return nullptr;
}
