// A console program that plays a setup package or an uninstaller badly or
// oddly, for the cases a real package does not show. The scenario comes from
// a "-scenario=NAME" token anywhere on the command line (the runners append
// their own switches), or else from the program's file name ("NAME.exe"),
// since an uninstaller's path must name the program alone. Byte texts are
// written exactly as given: Chinese texts in the ANSI code page (936) unless
// the scenario says otherwise.

#include <windows.h>

#include <cstring>
#include <string>

namespace {

// "中文" in the two encodings the scenarios use.
constexpr char kChineseGbk[] = "\xD6\xD0\xCE\xC4";
constexpr char kChineseUtf8[] = "\xE4\xB8\xAD\xE6\x96\x87";
// "磁盘空间不足" in GBK.
constexpr char kDiskFullGbk[] = "\xB4\xC5\xC5\xCC\xBF\xD5\xBC\xE4\xB2\xBB\xD7\xE3";

void Write(DWORD stream, const std::string& bytes) {
    DWORD written = 0;
    WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
              nullptr);
}

void Say(const std::string& bytes) { Write(STD_OUTPUT_HANDLE, bytes); }

// Writes the pieces one by one with a pause between them, so that the
// reader sees each as a read of its own.
void SayInPieces(std::initializer_list<std::string> pieces) {
    for (const std::string& piece : pieces) {
        Say(piece);
        Sleep(150);
    }
}

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), result.data(),
                        size, nullptr, nullptr);
    return result;
}

std::string Repeat(const std::string& text, size_t times) {
    std::string result;
    for (size_t i = 0; i < times; ++i) result += text;
    return result;
}

LONG WINAPI EndOnCrash(EXCEPTION_POINTERS*) { return EXCEPTION_EXECUTE_HANDLER; }

int Crash() {
    Say("Progress=0.5\r\n");
    // End with the exception's code, as Windows does without a debugger.
    SetErrorMode(SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(EndOnCrash);
    *static_cast<volatile int*>(nullptr) = 1;
    return 0;
}

int Run(const std::wstring& scenario) {
    if (scenario == L"silent-exit") {
        Say("Progress=0.5\r\n");
        return 0;
    }
    if (scenario == L"exit-code") {
        Say("Progress=0.5\r\n");
        return 3;
    }
    if (scenario == L"crash") return Crash();
    if (scenario == L"fail-then-exit") {
        Say("Progress=0.5\r\n");
        Sleep(50);
        Say("State=Fail\r\n");
        return 0;
    }
    if (scenario == L"split-lines") {
        SayInPieces(
            {"Progress=0.25\r\nMessage=\xD6", "\xD0\xCE\xC4\r\nSta", "te=Fa", "il\r", "\n"});
        return 0;
    }
    if (scenario == L"encodings") {
        Say(std::string("Message=") + kChineseGbk + "\r\nEncode=UTF8\r\nMessage=" + kChineseUtf8 +
            "\r\nEncode=936\r\nMessage=" + kChineseGbk + "\r\nEncode=UTF8\r\nEncode=ACP\r\n" +
            "Message=" + kChineseGbk + "\r\nState=Success\r\n");
        return 0;
    }
    if (scenario == L"error-then-success") {
        Say(std::string("Error=") + kDiskFullGbk + "\r\nState=Success\r\n");
        return 0;
    }
    if (scenario == L"after-verdict") {
        Say("State=Success\r\n");
        Say(Repeat("Progress=0.9\r\n", 20000));
        return 0;
    }
    if (scenario == L"stderr-flood") {
        Write(STD_ERROR_HANDLE, Repeat(std::string(1023, 'e') + "\n", 1024));
        Say("State=Success\r\n");
        return 0;
    }
    if (scenario == L"long-lines") {
        Say("InstPath=" + std::string(1000, 'a') + "\r\n");
        Say("Message=" + std::string(6000, 'b') + "\r\n");
        Say("State=Success\r\n");
        return 0;
    }
    if (scenario == L"echo") {
        Say("Encode=UTF8\r\nMessage=" + Utf8(GetCommandLineW()) + "\r\nState=Success\r\n");
        return 0;
    }
    if (scenario == L"echo-error") {
        // For uninstallers, whose protocol has no message line.
        Say("Encode=UTF8\r\nError=" + Utf8(GetCommandLineW()) + "\r\n");
        return 0;
    }
    Say("Error=unknown scenario " + Utf8(scenario) + "\r\n");
    return 2;
}

std::wstring ScenarioFromCommandLine() {
    const std::wstring commandLine = GetCommandLineW();
    const std::wstring token = L"-scenario=";
    const size_t start = commandLine.find(token);
    if (start == std::wstring::npos) return {};
    const size_t valueStart = start + token.size();
    return commandLine.substr(valueStart, commandLine.find(L' ', valueStart) - valueStart);
}

std::wstring ScenarioFromFileName() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name(path, length);
    name.erase(0, name.find_last_of(L'\\') + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

}  // namespace

int wmain() {
    std::wstring scenario = ScenarioFromCommandLine();
    if (scenario.empty()) scenario = ScenarioFromFileName();
    return Run(scenario);
}
