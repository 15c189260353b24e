#pragma once

#include <memory>
#include <string>

class CControl;

// Creates the controls of markup elements the framework does not know.
class IControlFactory {
public:
    // Nothing when the element is not the factory's either.
    virtual std::unique_ptr<CControl> CreateControl(const std::wstring& element) = 0;

protected:
    ~IControlFactory() = default;
};
