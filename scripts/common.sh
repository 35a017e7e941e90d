# Shared by the demo and test commands: install what is missing, build, and
# prepare the Wine prefix. Source it from the repository's root.

ROOT=$(pwd)
BUILD=$ROOT/build
export WINEPREFIX=$BUILD/wineprefix
export WINEDEBUG=-all
JOBS=$(nproc)

install_packages() {
    local missing=()
    command -v x86_64-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-x86-64-posix)
    command -v i686-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-i686-posix)
    command -v wine >/dev/null || missing+=(wine wine64)
    command -v Xvfb >/dev/null || missing+=(xvfb)
    command -v xwd >/dev/null || missing+=(x11-apps)
    # ImageMagick's own convert (turns the demo's xwd grabs into PNG).
    [ -x /usr/bin/convert ] || missing+=(imagemagick)
    command -v cmake >/dev/null || missing+=(cmake)
    command -v unzip >/dev/null || missing+=(unzip)
    command -v clang++ >/dev/null || missing+=(clang)
    [ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
    [ -d /usr/lib/llvm-14/lib/clang ] && ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 \
        || missing+=(libclang-rt-14-dev)
    if [ ${#missing[@]} -gt 0 ]; then
        echo "== installing: ${missing[*]}"
        local sudo=
        [ "$(id -u)" -eq 0 ] || sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}

# build_windows <arch> [extra cmake arguments]
build_windows() {
    local arch=$1
    shift
    cmake -S "$ROOT" -B "$BUILD/$arch" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$BUILD/$arch" -j "$JOBS"
}

# build_windows_targets <arch> <target>...: configured as build_windows does,
# only the given targets built.
build_windows_targets() {
    local arch=$1
    shift
    cmake -S "$ROOT" -B "$BUILD/$arch" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$BUILD/$arch" -j "$JOBS" --target "$@"
}

# The release package of an architecture's build (i686: the product) in
# build/dist: staged, stripped and zipped by CPack.
package_release() {
    local arch=${1:-i686}
    mkdir -p "$BUILD/dist"
    cpack --config "$BUILD/$arch/CPackConfig.cmake" -B "$BUILD/dist" >/dev/null
    rm -rf "$BUILD/dist/_CPack_Packages"
}

build_native() {
    CXX=clang++ CC=clang cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$BUILD/native" -j "$JOBS"
}

# A 64-bit Wine prefix inside the build folder, with the null display driver
# (prepare_wine null) or the X11 one (prepare_wine x11); a persistent server
# keeps later starts fast.
prepare_wine() {
    local driver=${1:-null}
    # A server left running (persistent) would never let "wineserver -w" return.
    wineserver -k 2>/dev/null || true
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "== creating the Wine prefix"
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    if [ "$driver" = null ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    else
        wine reg delete 'HKCU\Software\Wine\Drivers' /v Graphics /f >/dev/null 2>&1 || true
    fi
    wineserver -w
    wineserver -p
    # Start Wine's own services now, detached from any output: started by
    # the first test program instead, they would inherit its output pipe and
    # keep ctest waiting until the test's timeout.
    wine cmd /c exit >/dev/null 2>&1 </dev/null
}

# The shipped settings in the prefix: the theme folders that setup/appearance.reg
# names, and the machine hive's appearance settings imported from it.
import_shipped_settings() {
    local themes="$WINEPREFIX/drive_c/Program Files/Qor/Themes"
    mkdir -p "$themes/Standard" "$themes/HighContrast" "$themes/Tideway"
    wine regedit /s "$(winepath -w "$ROOT/setup/appearance.reg")" >/dev/null 2>&1
}

stop_wine() {
    wineserver -k 2>/dev/null || true
}
