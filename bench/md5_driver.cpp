// Benchmark driver: the installer's file digest of one file, timed, printed
// as one line of key=value pairs for bench/run.
//
//     bench_md5.exe PATH

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "utils/file_md5.h"
#include "utils/text_encoding.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: bench_md5 PATH\n");
        return 2;
    }
    const std::string path = Utils::ToAnsi(argv[1]);
    const auto started = std::chrono::steady_clock::now();
    const std::string digest = Utils::FileMd5(path);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
    printf("md5=%s seconds=%.6f\n", digest.c_str(), elapsed.count());
    return digest.empty() ? 1 : 0;
}
