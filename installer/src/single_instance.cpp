#include "installer/src/single_instance.h"

std::wstring SingleInstance::MutexName() {
    return std::wstring(kNamePrefix) + kInstanceName;
}

bool SingleInstance::Acquire() {
    mutex_.Reset(CreateMutexW(nullptr, TRUE, MutexName().c_str()));
    if (!mutex_ || GetLastError() == ERROR_ALREADY_EXISTS) {
        mutex_.Reset();
        return false;
    }
    return true;
}

SingleInstance::~SingleInstance() {
    if (mutex_) ReleaseMutex(mutex_.Get());
}
