#include "tests/support/ui_thread.h"

#include "utils/unique_handle.h"

namespace TestSupport {

namespace {

constexpr UINT kRunJob = WM_APP + 1;
constexpr wchar_t kInvokerClass[] = L"QuilloraTestUiInvoker";

}  // namespace

// Shared between the caller and the UI thread, so that a caller that gave up
// waiting leaves nothing dangling.
struct UiThread::Job {
    std::function<void()> work;
    Utils::ScopedHandle done{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

UiThread::UiThread() {
    Utils::ScopedHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    thread_ = std::thread([this, event = ready.Get()] { Loop(event); });
    WaitForSingleObject(ready.Get(), 10000);
}

UiThread::~UiThread() {
    if (threadId_ != 0) PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    if (thread_.joinable()) thread_.join();
}

void UiThread::Loop(HANDLE ready) {
    threadId_ = GetCurrentThreadId();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = InvokerProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kInvokerClass;
    RegisterClassW(&windowClass);
    invoker_ = CreateWindowExW(0, kInvokerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               windowClass.hInstance, nullptr);
    SetEvent(ready);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DestroyWindow(invoker_);
}

LRESULT CALLBACK UiThread::InvokerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kRunJob) return DefWindowProcW(window, message, wParam, lParam);
    // The job is owned by a shared pointer the poster handed over.
    std::unique_ptr<std::shared_ptr<Job>> job(reinterpret_cast<std::shared_ptr<Job>*>(lParam));
    (*job)->work();
    SetEvent((*job)->done.Get());
    return 0;
}

std::shared_ptr<UiThread::Job> UiThread::PostJob(std::function<void()> work) {
    auto job = std::make_shared<Job>();
    job->work = std::move(work);
    auto* handle = new std::shared_ptr<Job>(job);
    if (!PostMessageW(invoker_, kRunJob, 0, reinterpret_cast<LPARAM>(handle))) {
        delete handle;
        return nullptr;
    }
    return job;
}

bool UiThread::Run(std::function<void()> work, std::chrono::milliseconds timeout) {
    const auto job = PostJob(std::move(work));
    return job && WaitForSingleObject(job->done.Get(), static_cast<DWORD>(timeout.count())) ==
                      WAIT_OBJECT_0;
}

void UiThread::Post(std::function<void()> work) { PostJob(std::move(work)); }

}  // namespace TestSupport
