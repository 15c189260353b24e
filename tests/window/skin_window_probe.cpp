#include "tests/window/skin_window_probe.h"

#include <algorithm>

#include "tests/support/wait.h"
#include "tests/support/x_display.h"
#include "ui/framework/option.h"
#include "ui/framework/progress.h"
#include "ui/framework/skin_window_base.h"
#include "ui/framework/tab_layout.h"

namespace WindowTest {

namespace {

struct ClassQuery {
    DWORD processId;
    std::wstring className;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
    auto* query = reinterpret_cast<ClassQuery*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    if (process == query->processId && query->className == className && IsWindowVisible(window)) {
        query->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindSkinWindow(const std::wstring& className) {
    return FindVisibleWindow(GetCurrentProcessId(), className);
}

// The window's object: the framework keeps it in the window's user data.
SkinWindowBase* SkinWindowOf(HWND window) {
    if (!IsWindow(window)) return nullptr;
    auto* base = reinterpret_cast<CWindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return dynamic_cast<SkinWindowBase*>(base);
}

// Shadow size 6 at offset (1, 1): the shadow reaches 5 pixels beyond the
// window's top-left corner and 7 beyond its bottom-right one.
constexpr int kShadowMargin = 8;

}  // namespace

HWND FindVisibleWindow(DWORD processId, const std::wstring& className) {
    ClassQuery query{processId, className};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND WaitForSkinWindow(const std::wstring& className, std::chrono::milliseconds timeout) {
    HWND found = nullptr;
    TestSupport::WaitUntil([&] { return (found = FindSkinWindow(className)) != nullptr; }, timeout);
    return found;
}

bool WaitUntilGone(const std::wstring& className, std::chrono::milliseconds timeout) {
    return TestSupport::WaitUntil([&] { return FindSkinWindow(className) == nullptr; }, timeout);
}

bool SkinWindowProbe::Inspect(const std::function<void(SkinWindowBase*)>& work) {
    return ui_.Run([&] { work(SkinWindowOf(window_)); });
}

namespace {

template <typename T, typename Read>
std::optional<T> ReadControl(SkinWindowProbe& probe, const std::wstring& name, Read read) {
    std::optional<T> result;
    probe.Inspect([&](SkinWindowBase* window) {
        if (window == nullptr) return;
        if (CControl* control = window->FindControl(name)) result = read(control);
    });
    return result;
}

}  // namespace

std::optional<POINT> SkinWindowProbe::ScreenCenterOf(const std::wstring& control) {
    // Painting lays out what a page change left pending, as the user sees it.
    ui_.Run([this] { UpdateWindow(window_); });
    const auto rect = ReadControl<RECT>(
        *this, control, [](CControl* c) { return c->IsVisible() ? c->GetPos() : RECT{}; });
    if (!rect || rect->right <= rect->left) return std::nullopt;
    POINT center{(rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2};
    ClientToScreen(window_, &center);
    return center;
}

bool SkinWindowProbe::Click(const std::wstring& control) {
    const auto center = ScreenCenterOf(control);
    return center && TestSupport::ClickAt(*center);
}

std::optional<std::wstring> SkinWindowProbe::Text(const std::wstring& control) {
    return ReadControl<std::wstring>(*this, control, [](CControl* c) { return c->GetText(); });
}

std::optional<bool> SkinWindowProbe::Visible(const std::wstring& control) {
    return ReadControl<bool>(*this, control, [](CControl* c) { return c->IsVisible(); });
}

std::optional<bool> SkinWindowProbe::Enabled(const std::wstring& control) {
    return ReadControl<bool>(*this, control, [](CControl* c) { return c->IsEnabled(); });
}

std::optional<bool> SkinWindowProbe::Selected(const std::wstring& control) {
    return ReadControl<bool>(*this, control, [](CControl* c) {
        auto* option = static_cast<COption*>(c->GetInterface(L"Option"));
        return option != nullptr && option->IsSelected();
    });
}

std::optional<int> SkinWindowProbe::Page(const std::wstring& tabLayout) {
    return ReadControl<int>(*this, tabLayout, [](CControl* c) {
        auto* tabs = static_cast<CTabLayout*>(c->GetInterface(L"TabLayout"));
        return tabs != nullptr ? tabs->GetCurSel() : -1;
    });
}

std::optional<int> SkinWindowProbe::ProgressValue(const std::wstring& control) {
    return ReadControl<int>(*this, control, [](CControl* c) {
        auto* progress = static_cast<CProgress*>(c->GetInterface(L"Progress"));
        return progress != nullptr ? progress->GetValue() : -1;
    });
}

std::optional<std::wstring> SkinWindowProbe::BackgroundImage(const std::wstring& control) {
    return ReadControl<std::wstring>(*this, control, [](CControl* c) { return c->GetBkImage(); });
}

std::wstring SkinWindowProbe::Screenshot(const std::string& name) {
    // Once this has run on the UI thread, the window has been placed and has
    // painted what the last input changed.
    ui_.Run([this] { UpdateWindow(window_); });
    return SaveWindowScreenshot(window_, name);
}

std::wstring SaveWindowScreenshot(HWND window, const std::string& name) {
    RECT area{};
    if (!GetWindowRect(window, &area)) return L"";
    InflateRect(&area, kShadowMargin, kShadowMargin);
    area.left = std::max<LONG>(area.left, 0);
    area.top = std::max<LONG>(area.top, 0);
    return TestSupport::SaveScreenshot(name, &area);
}

}  // namespace WindowTest
