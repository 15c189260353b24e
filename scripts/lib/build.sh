# Configures (once) and builds the installer and its tests.
# shellcheck shell=bash
# shellcheck source=scripts/lib/machine.sh
. "$repo/scripts/lib/machine.sh"

build_dir="$repo/build"

# configure_build DIR PROCESSOR [CMAKE OPTION...]
configure_build() {
    local dir=$1 processor=$2
    shift 2
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$repo" -B "$dir" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-$processor.cmake" "$@" >/dev/null
    fi
}

# Builds the shipped 32-bit installer in build/ and sets test_dir to the
# build whose programs run here: build/ itself, with its tests, or on a
# machine that runs no 32-bit programs, the 64-bit build of the same sources
# in build/win64.
build_all() {
    if machine_runs_32bit; then
        configure_build "$build_dir" i686
        test_dir=$build_dir
    else
        configure_build "$build_dir" i686 -DBUILD_TESTING=OFF
        test_dir=$build_dir/win64
        configure_build "$test_dir" x86_64
    fi
    cmake --build "$build_dir" -- -j "$(nproc)"
    if [ "$test_dir" != "$build_dir" ]; then
        cmake --build "$test_dir" -- -j "$(nproc)"
    fi
}
