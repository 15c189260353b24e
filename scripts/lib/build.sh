# Configures (once) and builds the installer and its tests in build/.
# shellcheck shell=bash

build_dir="$repo/build"

build_all() {
    if [ ! -f "$build_dir/CMakeCache.txt" ]; then
        cmake -S "$repo" -B "$build_dir" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-i686.cmake" >/dev/null
    fi
    cmake --build "$build_dir" -- -j "$(nproc)"
}
