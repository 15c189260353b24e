#pragma once

#include "utils/unique_handle.h"

#include <string>

// The installer's single-instance mutex, owned for the whole run and
// released when this object goes.
class SingleInstance {
public:
    static constexpr wchar_t kNamePrefix[] = L"D1A547DB89C0BC61_";
    static constexpr wchar_t kInstanceName[] = L"Installer_Quillora";

    SingleInstance() = default;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    ~SingleInstance();

    // Creates and owns the mutex; false when another installer holds it or
    // the mutex cannot be created.
    bool Acquire();

    static std::wstring MutexName();

private:
    Utils::ScopedHandle mutex_;
};
