#pragma once

#include <objbase.h>

namespace Utils {

// COM for the current thread while the object lives (single-threaded
// apartment). A thread that already had COM keeps it; each successful
// initialisation is matched by one release.
class ComApartment {
public:
    ComApartment() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_;
};

}  // namespace Utils
