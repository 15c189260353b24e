#include "tests/support/unix_program.h"

#include <windows.h>

#include <curl/curl.h>

#include <fstream>
#include <memory>
#include <vector>

#include "tests/support/wait.h"

namespace TestSupport {
namespace {

constexpr long kRequestTimeoutSeconds = 10;

size_t AppendToString(char* data, size_t size, size_t count, void* text) {
    static_cast<std::string*>(text)->append(data, size * count);
    return size * count;
}

int ReadPort(const std::wstring& portFile) {
    std::ifstream file(portFile.c_str());
    int port = 0;
    return file >> port ? port : 0;
}

}  // namespace

bool StartUnixProgram(const std::wstring& commandLine) {
    std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return true;
}

std::string UnixPathOf(const std::wstring& windowsPath) {
    using WineGetUnixFileName = char*(CDECL*)(const wchar_t*);
    const auto toUnix = reinterpret_cast<WineGetUnixFileName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* unixPath = toUnix ? toUnix(windowsPath.c_str()) : nullptr;
    if (unixPath == nullptr) return {};
    std::string path = unixPath;
    HeapFree(GetProcessHeap(), 0, unixPath);
    return path;
}

int WaitForPortFile(const std::wstring& portFile, std::chrono::milliseconds timeout) {
    int port = 0;
    WaitUntil([&] { return (port = ReadPort(portFile)) != 0; }, timeout);
    return port;
}

std::optional<std::string> LoopbackGet(int port, const std::string& pathAndQuery) {
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl || port == 0) return std::nullopt;
    const std::string url = "http://127.0.0.1:" + std::to_string(port) + pathAndQuery;
    std::string body;
    curl_easy_setopt(curl.get(), CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT, kRequestTimeoutSeconds);
    curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEFUNCTION, &AppendToString);
    curl_easy_setopt(curl.get(), CURLOPT_WRITEDATA, &body);
    if (curl_easy_perform(curl.get()) != CURLE_OK) return std::nullopt;
    long status = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &status);
    if (status != 200) return std::nullopt;
    return body;
}

}  // namespace TestSupport
