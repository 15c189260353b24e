# Cross-builds the installer's dependencies that Debian ships no MinGW build
# of, from Debian's own source packages. Each build lands in a cache folder
# keyed by the source version and the toolchain, so a second run only checks
# stamps. $QUILLORA_DEPS/current/<processor>/<name> always points at the
# build in use: i686 for the shipped 32-bit installer, x86_64 for the 64-bit
# test build of machines that cannot run 32-bit code (see build.sh).

: "${QUILLORA_DEPS:=/var/cache/quillora-deps}"
jobs=$(nproc)

# apt-get source needs deb-src entries; they are derived from the machine's
# own deb entries so that no archive address is written down here.
ensure_deb_src() {
    if apt-get source --print-uris -qq pugixml >/dev/null 2>&1; then
        return
    fi
    local f
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -f "$f" ] || continue
        case "$f" in *quillora-src.sources) continue ;; esac
        grep -q '^Types:.*\bdeb\b' "$f" || continue
        sed -e 's/^Types:.*/Types: deb-src/' "$f"
        echo
    done > /etc/apt/sources.list.d/quillora-src.sources
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >> /etc/apt/sources.list.d/quillora-src.sources
    fi
    apt-get update -qq
}

source_version() {
    apt-cache showsrc --only-source "$1" | sed -n 's/^Version: //p' | sort -V | tail -n 1
}

toolchain_key() {
    { "$cross-gcc-posix" --version | head -n 1; cmake --version | head -n 1; } | md5sum | cut -c1-8
}

# fetch_source NAME VERSION DIR: unpacks Debian's source package into DIR.
fetch_source() {
    local name=$1 version=$2 dir=$3
    rm -rf "$dir" && mkdir -p "$dir"
    (cd "$dir" && apt-get source -qq "$name=$version" >/dev/null 2>&1)
    find "$dir" -mindepth 1 -maxdepth 1 -type d | head -n 1
}

# dep_build NAME BUILD_FUNCTION: runs BUILD_FUNCTION SRC PREFIX once per key:
# the source version, the toolchain and the build recipe itself.
dep_build() {
    local name=$1 builder=$2 version key prefix work src recipe
    version=$(source_version "$name")
    [ -n "$version" ] || { echo "setup: no source package for $name" >&2; return 1; }
    recipe=$(declare -f "$builder" | md5sum | cut -c1-8)
    key="$name-$version-$processor-$(toolchain_key)-$recipe"
    prefix="$QUILLORA_DEPS/$key"
    if [ ! -f "$prefix/.built" ]; then
        echo "setup: cross-building $name $version"
        work=$(mktemp -d)
        src=$(fetch_source "$name" "$version" "$work")
        rm -rf "$prefix"
        mkdir -p "$prefix"
        (cd "$src" && "$builder" "$src" "$prefix") > "$work/build.log" 2>&1 || {
            tail -n 40 "$work/build.log" >&2
            echo "setup: building $name failed (log: $work/build.log)" >&2
            return 1
        }
        touch "$prefix/.built"
        rm -rf "$work"
    fi
    mkdir -p "$QUILLORA_DEPS/current/$processor"
    ln -sfn "$prefix" "$QUILLORA_DEPS/current/$processor/$name"
}

cmake_cross() {
    cmake -G Ninja -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-$processor.cmake" \
        -DCMAKE_BUILD_TYPE=Release "$@"
}

build_curl() {
    local src=$1 prefix=$2
    cmake_cross -S "$src" -B "$src/_build" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DBUILD_SHARED_LIBS=OFF -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF \
        -DCURL_USE_SCHANNEL=ON -DCURL_USE_OPENSSL=OFF -DCURL_ZLIB=ON \
        -DZLIB_INCLUDE_DIR=/usr/$cross/include -DZLIB_LIBRARY=/usr/$cross/lib/libz.a \
        -DCURL_DISABLE_DICT=ON -DCURL_DISABLE_FTP=ON -DCURL_DISABLE_GOPHER=ON \
        -DCURL_DISABLE_IMAP=ON -DCURL_DISABLE_LDAP=ON -DCURL_DISABLE_LDAPS=ON \
        -DCURL_DISABLE_MQTT=ON -DCURL_DISABLE_POP3=ON -DCURL_DISABLE_RTSP=ON \
        -DCURL_DISABLE_SMB=ON -DCURL_DISABLE_SMTP=ON -DCURL_DISABLE_TELNET=ON \
        -DCURL_DISABLE_TFTP=ON \
        -DCURL_USE_LIBSSH2=OFF -DUSE_NGHTTP2=OFF -DUSE_LIBIDN2=OFF -DCURL_USE_LIBPSL=OFF \
        -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF -DENABLE_UNIX_SOCKETS=OFF -DCURL_CA_PATH=none -DCURL_CA_BUNDLE=none
    cmake --build "$src/_build" -j "$jobs"
    cmake --install "$src/_build"
}

build_pugixml() {
    local src=$1 prefix=$2
    cmake_cross -S "$src" -B "$src/_build" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DBUILD_SHARED_LIBS=OFF -DPUGIXML_BUILD_TESTS=OFF -DPUGIXML_WCHAR_MODE=ON
    cmake --build "$src/_build" -j "$jobs"
    cmake --install "$src/_build"
}

# The LZMA SDK's C 7z decoder, as shipped in Debian's 7zip source package.
build_7zip() {
    local src=$1 prefix=$2 c
    c=$src/C
    local files=(7zAlloc.c 7zArcIn.c 7zBuf.c 7zBuf2.c 7zCrc.c 7zCrcOpt.c 7zDec.c 7zFile.c
        7zStream.c Bcj2.c Bra.c Bra86.c BraIA64.c CpuArch.c Delta.c Lzma2Dec.c LzmaDec.c
        Ppmd7.c Ppmd7Dec.c)
    mkdir -p "$prefix/include/7z" "$prefix/lib" "$src/_build"
    local f objs=()
    for f in "${files[@]}"; do
        "$cross-gcc-posix" -O2 -c "$c/$f" -o "$src/_build/${f%.c}.o"
        objs+=("$src/_build/${f%.c}.o")
    done
    "$cross-ar" rcs "$prefix/lib/lib7zdec.a" "${objs[@]}"
    cp "$c"/*.h "$prefix/include/7z/"
}

build_googletest() {
    local src=$1 prefix=$2
    cmake_cross -S "$src" -B "$src/_build" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -Dgtest_disable_pthreads=OFF -DBUILD_GMOCK=ON
    cmake --build "$src/_build" -j "$jobs"
    cmake --install "$src/_build"
}

# deps_build_all PROCESSOR: builds every dependency for i686 or x86_64.
deps_build_all() {
    processor=$1
    cross=$processor-w64-mingw32
    ensure_deb_src
    dep_build curl build_curl
    dep_build pugixml build_pugixml
    dep_build 7zip build_7zip
    dep_build googletest build_googletest
}
