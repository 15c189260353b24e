#pragma once

// A UI thread for window tests. The test's own thread drives (input,
// assertions) while this thread owns the windows under test and dispatches
// their messages, also inside their modal loops. Work runs on the UI thread
// through a hidden message-only window, so it is served by whichever message
// loop runs there at the moment.
//
//   TestSupport::UiThread ui;
//   ui.Post([&] { window.Create(...); window.ShowModal(); });  // returns at once
//   int page = 0;
//   ASSERT_TRUE(ui.Run([&] { page = window.CurrentPage(); }));

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace TestSupport {

class UiThread {
public:
    UiThread();
    // Ends the thread's loops with WM_QUIT and joins it.
    ~UiThread();
    UiThread(const UiThread&) = delete;
    UiThread& operator=(const UiThread&) = delete;

    // Runs `work` on the UI thread and waits for it; false when it did not
    // finish within `timeout` (the UI thread is stuck outside any loop).
    bool Run(std::function<void()> work,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));

    // Queues `work` (for calls that run a modal loop and return late).
    void Post(std::function<void()> work);

    DWORD Id() const { return threadId_; }

private:
    struct Job;
    static LRESULT CALLBACK InvokerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Loop(HANDLE ready);
    // The queued job, or null when it could not be queued.
    std::shared_ptr<Job> PostJob(std::function<void()> work);

    HWND invoker_ = nullptr;
    DWORD threadId_ = 0;
    std::thread thread_;
};

}  // namespace TestSupport
