#include "tests/support/x_display.h"

#include <atomic>
#include <fstream>

#include "tests/support/test_paths.h"
#include "tests/support/unix_program.h"
#include "tests/support/wait.h"
#include "utils/text_encoding.h"

namespace TestSupport {

namespace {

// A marker file the command writes its exit status to when it is done:
// Wine's handles of a Linux child say nothing reliable about its end.
std::string UniqueMarker() {
    static std::atomic<int> counter{0};
    return "/tmp/quillora-xdisplay-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(GetTickCount()) + "-" + std::to_string(++counter) + ".done";
}

// Single quotes for the shell, with embedded ones spelled '\''.
std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace

bool RunUnixCommand(const std::string& shellCommand, std::chrono::milliseconds timeout) {
    const std::string marker = UniqueMarker();
    const std::string script =
        "(" + shellCommand + "); echo $? > " + marker + ".tmp; mv " + marker + ".tmp " + marker;
    std::wstring escaped;
    for (wchar_t c : Utils::FromUtf8(script)) {
        if (c == L'"') escaped += L'\\';
        escaped += c;
    }
    if (!StartUnixProgram(L"/bin/sh -c \"" + escaped + L"\"")) return false;
    const std::wstring markerPath = WindowsPathOf(marker);
    const bool done = WaitUntil(
        [&] { return GetFileAttributesW(markerPath.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeout);
    std::ifstream status(markerPath.c_str());
    int exitStatus = -1;
    const bool succeeded = done && (status >> exitStatus) && exitStatus == 0;
    status.close();
    DeleteFileW(markerPath.c_str());
    return succeeded;
}

bool ClickAt(POINT screenPoint) {
    return RunUnixCommand("xdotool mousemove " + std::to_string(screenPoint.x) + " " +
                          std::to_string(screenPoint.y) + " click 1");
}

bool PressKeys(const std::string& keys) { return RunUnixCommand("xdotool key " + keys); }

bool TypeText(const std::string& text) {
    return RunUnixCommand("xdotool type --delay 20 -- " + ShellQuoted(text));
}

std::wstring SaveScreenshot(const std::string& name, const RECT* area) {
    const std::wstring folder = BuildDir() + L"\\screenshots";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::string unixFolder = std::string(QUILLORA_BINARY_DIR) + "/screenshots";
    const std::string file = unixFolder + "/" + name + ".png";
    std::string crop;
    if (area != nullptr) {
        crop = " -crop " + std::to_string(area->right - area->left) + "x" +
               std::to_string(area->bottom - area->top) + "+" + std::to_string(area->left) + "+" +
               std::to_string(area->top) + " +repage";
    }
    // A window that has just been mapped may not be drawn yet: a picture of
    // one flat colour is taken again, a bounded number of times.
    const std::string temporary = ShellQuoted(file + ".tmp.png");
    if (!RunUnixCommand("for i in $(seq 1 30); do import -window root" + crop + " " + temporary +
                        " || exit 1; [ \"$(convert " + temporary +
                        " -format '%[fx:standard_deviation]' info:)\" != 0 ] && break; sleep 0.1;"
                        " done; mv " +
                        temporary + " " + ShellQuoted(file))) {
        return L"";
    }
    const std::wstring path = folder + L"\\" + Utils::FromUtf8(name) + L".png";
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES ? path : L"";
}

}  // namespace TestSupport
