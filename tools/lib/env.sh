# Shared settings of the tools: the Wine prefix, the virtual display, the packages.
# Sourced by tools/test, tools/demo and the end-to-end runner.
QV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX="$QV_ROOT/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

QV_PACKAGES=(cmake g++ make libgtest-dev googletest g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools
             wine wine64 wine32:i386 xvfb xdotool xclip x11-utils python3 imagemagick fonts-ipafont-gothic locales)
# Only tools/bench needs these.
QV_BENCH_PACKAGES=(libbenchmark-dev libx11-dev grep)

# qv_install_missing [PACKAGE...]: the given packages, by default QV_PACKAGES.
qv_install_missing() {
    [ $# -eq 0 ] && set -- "${QV_PACKAGES[@]}"
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    # wine32 runs the 32-bit program; its packages come from the i386 architecture.
    if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    $sudo apt-get update -qq >/dev/null
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# A private X display for the run; sets DISPLAY and QV_XVFB_PID.
qv_start_xvfb() {
    local n
    for n in $(seq 91 120); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        QV_XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$QV_XVFB_PID" 2>/dev/null
    done
    echo "no free X display" >&2
    return 1
}

qv_wine_prefix() {
    # A prefix made while wine32 was missing has an empty syswow64 and runs no
    # 32-bit program; wineboot -u does not fill it, so it is made anew.
    if [ -x /usr/lib/wine/wine ] && [ -f "$WINEPREFIX/system.reg" ] &&
       [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ]; then
        qv_stop_wine
        rm -rf "$WINEPREFIX"
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        qv_wine wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
}

# Wine with the ANSI code page 932, which a Japanese locale gives it.
qv_wine() { env LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 "$@"; }
# The same code page with the English keyboard layout, which follows LC_MESSAGES;
# the locales are the win64 build's (tests/CMakeLists.txt).
qv_wine_english() {
    env -u LC_ALL -u LANG LOCPATH="$QV_ROOT/build/win64/locale" LC_CTYPE=ja_JP.UTF-8 LC_MESSAGES=en_US.UTF-8 "$@"
}

qv_stop_wine() { wineserver -k >/dev/null 2>&1 || true; }

# clang's libFuzzer and sanitizer runtimes, for tools/fuzz and the fuzz smoke run of tools/test.
qv_install_fuzz_tools() { qv_install_missing clang libclang-rt-14-dev; }
