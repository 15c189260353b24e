#pragma once

// A move-only owner for one Win32 handle kind, released in its destructor.
// Each kind names its invalid value and its release function in a traits
// class, which keeps the null and INVALID_HANDLE_VALUE conventions apart.

#include <windows.h>

#include <utility>

namespace Utils {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    Handle Get() const { return handle_; }
    bool IsValid() const { return handle_ != Traits::Invalid(); }
    explicit operator bool() const { return IsValid(); }

    // Gives up ownership without releasing.
    Handle Release() { return std::exchange(handle_, Traits::Invalid()); }

    void Reset(Handle handle = Traits::Invalid()) {
        if (IsValid()) Traits::Close(handle_);
        handle_ = handle;
    }

    // For APIs that return a handle through an out parameter.
    Handle* Receive() {
        Reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::Invalid();
};

// Kernel objects whose "no handle" value is null: threads, processes,
// events, mutexes, file mappings.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { CloseHandle(handle); }
};

// Handles from CreateFile and friends, whose failure value is
// INVALID_HANDLE_VALUE.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) { CloseHandle(handle); }
};

struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { RegCloseKey(handle); }
};

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { FreeLibrary(handle); }
};

using ScopedHandle = UniqueHandle<KernelHandleTraits>;
using ScopedFileHandle = UniqueHandle<FileHandleTraits>;
using ScopedRegKey = UniqueHandle<RegKeyTraits>;
using ScopedModule = UniqueHandle<ModuleTraits>;

}  // namespace Utils
