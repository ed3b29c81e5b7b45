# Shared by run.sh and test.sh: installs the Debian packages that are missing.
# Usage: ensure_packages pkg...

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# What building and running the calculator needs: Qt with its German texts,
# fontconfig's headers (its start runs on a thread of its own), the layout's fonts,
# and rsvg-convert, which renders the icon's bitmaps for the program and the desktop.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libfontconfig-dev qt6-qpa-plugins
                qt6-translations-l10n fonts-liberation2 fonts-dejavu-core fonts-wine librsvg2-bin)
# What the tests add: GoogleTest, Python for the random sessions, a virtual display
# with a window manager and the tools to look at its windows, the German locale,
# clang for the fuzzer and the sanitizers' runtime, the validators of the desktop
# entry and the AppStream metadata, and what builds and checks the package.
TEST_PACKAGES=(libgtest-dev python3 xvfb xauth openbox xdotool x11-utils locales clang-14 libclang-rt-14-dev
               desktop-file-utils appstream dpkg-dev file lintian)
# The Windows build and its tests: the mingw-w64 cross compiler (POSIX threads),
# Wine to run what it builds, GoogleTest's sources to build for Windows, a virtual
# display for the windows, icoutils, which packs the exe's icon and reads the
# resources back, NSIS for the installer, and osslsigncode with openssl to sign the
# packages (and to make the test's throw-away certificate).
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 libgtest-dev xvfb xauth icoutils nsis osslsigncode openssl)
# The benchmarks.
BENCH_PACKAGES=(libbenchmark-dev x11-utils libx11-dev libxdamage-dev libxfixes-dev)

ensure_german_locale() {
    if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
        as_root sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
        as_root locale-gen >/dev/null
    fi
}

configure_and_build() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

# Starts a virtual X display of its own for the rest of the script and exports its
# name in DISPLAY, or in the variable named by the first argument; it ends with the
# script. It is large enough for the windows at 144 dpi.
VIRTUAL_DISPLAY_PIDS=()
start_virtual_display() {
    local variable=${1:-DISPLAY}
    local fifo number
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 2048x1536x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    VIRTUAL_DISPLAY_PIDS+=($!)
    read -r number <"$fifo"
    rm -f "$fifo"
    export "$variable=:$number"
    trap 'kill "${VIRTUAL_DISPLAY_PIDS[@]}" 2>/dev/null || true' EXIT
}
