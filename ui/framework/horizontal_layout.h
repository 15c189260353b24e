#pragma once

#include "ui/framework/container.h"

// Lines its visible children up from left to right.
class CHorizontalLayout : public CContainer {
public:
    std::wstring GetClass() const override;
    CControl* GetInterface(const std::wstring& name) override;
    void SetPos(const RECT& rect) override;
};
