// A stand-in for the installed Quillora product: a window titled "Quillora".
// On start it writes "Quillora.started" beside itself, holding the command
// line it was given, so that tests can tell that (and how) it was started.

#include <windows.h>

#include <string>

#include "utils/unique_handle.h"

namespace {

void WriteStartedMarker() {
    wchar_t exePath[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, exePath, MAX_PATH);
    if (length == 0 || length == MAX_PATH) return;
    std::wstring marker(exePath, length);
    marker.erase(marker.find_last_of(L'\\') + 1);
    marker += L"Quillora.started";

    const Utils::ScopedFileHandle file(CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr,
                                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    const wchar_t* commandLine = GetCommandLineW();
    const int size = WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, utf8.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(file.Get(), utf8.data(), static_cast<DWORD>(utf8.size() - 1), &written, nullptr);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WriteStartedMarker();

    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"QuilloraProductWindow";
    if (!RegisterClassW(&windowClass)) return 1;

    const HWND window =
        CreateWindowW(windowClass.lpszClassName, L"Quillora", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 480, 320, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    ShowWindow(window, showCommand);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
