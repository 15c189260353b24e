#include "installer/src/funnel_labels.h"

namespace Funnel {

const wchar_t* ClickLabelOf(const std::wstring& controlName) {
    static const struct {
        const wchar_t* control;
        const wchar_t* label;
    } kButtons[] = {
        {L"defaultInstallBtn", kInstallNowClick},
        {L"customeBtn", kCustomInstallClick},
        {L"customeInstallBtn", kCustomInstallNowClick},
        {L"openProduceBtn", kOpenProductClick},
    };
    for (const auto& button : kButtons) {
        if (controlName == button.control) return button.label;
    }
    return nullptr;
}

}  // namespace Funnel
