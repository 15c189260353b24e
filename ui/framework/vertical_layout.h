#pragma once

#include "ui/framework/container.h"

// Stacks its visible children from top to bottom.
class CVerticalLayout : public CContainer {
public:
    std::wstring GetClass() const override;
    CControl* GetInterface(const std::wstring& name) override;
    void SetPos(const RECT& rect) override;
};
