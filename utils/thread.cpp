#include "utils/thread.h"

#include <process.h>

#include <mutex>
#include <utility>

#include "installer/src/diagnostic_log.h"
#include "utils/text_encoding.h"

namespace Utils {
namespace {

constexpr DWORD kSetThreadNameException = 0x406D1388;

#pragma pack(push, 8)
struct ThreadNameInfo {
    DWORD type;        // always 0x1000
    LPCSTR name;       // in the ANSI code page
    DWORD threadId;
    DWORD flags;       // reserved, 0
};
#pragma pack(pop)

// A debugger that is attached sees the naming exception first and takes the
// name; without one, this handler swallows it so that it is never fatal.
LONG CALLBACK SwallowThreadNameException(EXCEPTION_POINTERS* info) {
    return info->ExceptionRecord->ExceptionCode == kSetThreadNameException
               ? EXCEPTION_CONTINUE_EXECUTION
               : EXCEPTION_CONTINUE_SEARCH;
}

void AnnounceThreadName(DWORD threadId, const std::wstring& name) {
    static std::once_flag handlerInstalled;
    std::call_once(handlerInstalled, [] { AddVectoredExceptionHandler(1, SwallowThreadNameException); });
    const std::string ansiName = name.empty() ? "t" + std::to_string(threadId) : ToAnsi(name);
    ThreadNameInfo info{0x1000, ansiName.c_str(), threadId, 0};
    RaiseException(kSetThreadNameException, 0, sizeof(info) / sizeof(ULONG_PTR),
                   reinterpret_cast<const ULONG_PTR*>(&info));
}

}  // namespace

Thread::Thread(Callable callable, const std::wstring& name, void* argument)
    : callable_(std::move(callable)), argument_(argument), name_(name) {
    unsigned id = 0;
    handle_ = reinterpret_cast<HANDLE>(
        _beginthreadex(nullptr, 0, &Thread::CallBack, this, CREATE_SUSPENDED, &id));
    if (handle_ == nullptr) return;
    threadId_ = id;
    AnnounceThreadName(threadId_, name_);
}

Thread::~Thread() {
    Wait();
    name_.clear();
    callable_ = nullptr;
}

bool Thread::Resume() {
    if (handle_ == nullptr || ResumeThread(handle_) == static_cast<DWORD>(-1)) return false;
    resumed_ = true;
    return true;
}

void Thread::Wait() {
    if (handle_ == nullptr) return;
    if (!resumed_) {
        // Never started: it has run no code and holds nothing, and waiting
        // for a suspended thread would never end.
        TerminateThread(handle_, 0);
    }
    WaitForSingleObject(handle_, INFINITE);
    CloseHandle(handle_);
    handle_ = nullptr;
    threadId_ = static_cast<DWORD>(-1);
}

unsigned __stdcall Thread::CallBack(void* self) {
    auto* thread = static_cast<Thread*>(self);
    QLOG(L"THREAD BEGIN");
    if (thread->callable_) thread->callable_(thread->argument_);
    QLOG(L"THREAD END");
    return 0;
}

}  // namespace Utils
