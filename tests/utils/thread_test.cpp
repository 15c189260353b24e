#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "tests/support/debug_output_listener.h"
#include "utils/thread.h"

namespace {

using namespace std::chrono_literals;

TEST(ThreadTest, RunsTheCallableWithItsArgumentOnceResumed) {
    std::atomic<int> seen{0};
    int argument = 41;
    DWORD ranOn = 0;
    {
        Utils::Thread thread(
            [&](void* arg) {
                ranOn = GetCurrentThreadId();
                seen = *static_cast<int*>(arg) + 1;
            },
            L"ABDEF", &argument);
        ASSERT_TRUE(thread.Created());
        EXPECT_EQ(thread.Name(), L"ABDEF");
        EXPECT_EQ(seen, 0);  // created suspended
        const DWORD id = thread.Id();
        ASSERT_TRUE(thread.Resume());
        thread.Wait();
        EXPECT_EQ(ranOn, id);
        EXPECT_EQ(thread.Id(), static_cast<DWORD>(-1));
    }
    EXPECT_EQ(seen, 42);
}

TEST(ThreadTest, DestructorWaitsForTheWork) {
    std::atomic<bool> finished{false};
    HANDLE started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    {
        Utils::Thread thread(
            [&](void*) {
                SetEvent(started);
                Sleep(200);
                finished = true;
            },
            L"worker");
        thread.Resume();
        WaitForSingleObject(started, 5000);
    }
    EXPECT_TRUE(finished);
    CloseHandle(started);
}

TEST(ThreadTest, AThreadNeverResumedIsDiscardedWithoutRunning) {
    bool ran = false;
    { Utils::Thread thread([&](void*) { ran = true; }, L""); }
    EXPECT_FALSE(ran);
}

TEST(ThreadTest, BodyIsBracketedByBeginAndEndRecords) {
    TestSupport::DebugOutputListener listener;
    DWORD id = 0;
    {
        Utils::Thread thread([](void*) {}, L"UnInstaller");
        id = thread.Id();
        thread.Resume();
    }
    wchar_t threadMarker[32];
    swprintf(threadMarker, 32, L"<T%05lu>", id);
    auto fromThread = [&](const wchar_t* text) {
        return listener.WaitFor(
            [&](const TestSupport::DebugRecord& record) {
                return record.text.find(threadMarker) != std::wstring::npos &&
                       record.text.find(L"(Utils::Thread::CallBack)") != std::wstring::npos &&
                       record.text.find(text) != std::wstring::npos;
            },
            5s);
    };
    EXPECT_TRUE(fromThread(L"THREAD BEGIN"));
    EXPECT_TRUE(fromThread(L"THREAD END"));
}

}  // namespace
