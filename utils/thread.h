#pragma once

// A named worker thread. It is created suspended, runs once Resume() is
// called, and is always waited for: by Wait() or by the destructor. The
// object must outlive its thread, which the destructor guarantees.

#include <windows.h>

#include <functional>
#include <string>

namespace Utils {

class Thread {
public:
    using Callable = std::function<void(void*)>;

    Thread(Callable callable, const std::wstring& name, void* argument = nullptr);
    ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts the suspended thread; false when it could not be resumed.
    bool Resume();

    // Waits without limit for the thread to end and closes it. A thread that
    // was never resumed is discarded instead, since it would never end.
    void Wait();

    bool Created() const { return handle_ != nullptr; }
    DWORD Id() const { return threadId_; }
    const std::wstring& Name() const { return name_; }

private:
    static unsigned __stdcall CallBack(void* self);

    DWORD threadId_ = 0;
    HANDLE handle_ = nullptr;
    Callable callable_;
    void* argument_ = nullptr;
    std::wstring name_;
    bool resumed_ = false;
};

}  // namespace Utils
