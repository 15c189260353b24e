#pragma once

// Builds a window's control tree from its layout markup: a Window element
// (size, caption band, round corners and named attributes), its Font
// elements and one root control with nested controls. Elements the framework
// does not know are created by the window's control factory.

#include <cstddef>
#include <memory>
#include <string>

#include "ui/framework/control.h"
#include "ui/framework/control_factory.h"

class CPaintManager;

class CMarkupBuilder {
public:
    // Reads the layout file `skinFile` through the skin resource source.
    std::unique_ptr<CControl> Create(const std::wstring& skinFile, CPaintManager& manager,
                                     IControlFactory* factory);
    // Builds from markup bytes (UTF-8 or UTF-16, with or without a BOM).
    std::unique_ptr<CControl> Create(const void* markup, size_t size, CPaintManager& manager,
                                     IControlFactory* factory);

    // Why the last Create returned nothing, at most 99 characters.
    const std::wstring& GetLastError() const { return lastError_; }

private:
    std::unique_ptr<CControl> Fail(const std::wstring& error);

    std::wstring lastError_;
};
