#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the core and headless tests,
# the Qt tests, the desktop checks, the scenarios and random sessions on both
# toolkits; all but the desktop checks again under AddressSanitizer and
# UndefinedBehaviorSanitizer; the runner built without Qt; the number fuzzer; and the
# Windows build under Wine: its core and headless tests, every scenario (at 96 and at
# 144 dpi) and the contract suite on the Win32 toolkit, the exes' imports, the real
# program, and random sessions of the native headless runner against the Win32 one.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
ensure_german_locale

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

echo "== build"
configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== tests"
ctest --test-dir build --output-on-failure -j "$(nproc)"

# The placement under a window manager is a matter of timing, not of memory: it runs
# in the plain build only, where the program starts at its real speed.
echo "== sanitizers (the program, both toolkits, the runner, the scenarios and random sessions)"
configure_and_build build-asan -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -L 'numbers|calc|toolkits|qt|scenarios' \
        -E qt_placement_under_window_manager

echo "== the runner without Qt, on the headless toolkit"
cmake -S . -B build-noqt -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_WITH_QT=OFF >/dev/null
cmake --build build-noqt -j "$(nproc)" --target quorvel-replay
ctest --test-dir build-noqt --output-on-failure -j "$(nproc)" -L scenarios

if [ -f tests/numbers/fuzz_notation.cpp ]; then
    echo "== fuzzing the number notation (60 s)"
    CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEL_WITH_QT=OFF -DQUORVEL_FUZZ=ON >/dev/null
    cmake --build build-fuzz --target fuzz_notation
    corpus=$(mktemp -d)
    cp tests/numbers/fuzz_corpus/* "$corpus"/
    build-fuzz/tests/numbers/fuzz_notation -max_total_time=60 -timeout=10 -print_final_stats=0 "$corpus" 2>&1 | tail -n 3
    rm -rf "$corpus"
fi
echo "== the Windows build (mingw-w64), tested under Wine on a virtual display"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)"
start_virtual_display
# The Wine session at 144 dpi gets a display of its own: its Wine desktop, larger than
# the other one, would lie over it and take the pointer from its windows.
start_virtual_display QUORVEL_144DPI_DISPLAY
# Wine prefixes of the build's own (96 and 144 dpi), made anew for each run.
rm -rf build-windows/wineprefix build-windows/wineprefix.lock build-windows/wineprefix-144dpi build-windows/wineprefix-144dpi.lock
export WINEPREFIX="$PWD/build-windows/wineprefix"
started=$(date +%s)
status=0
ctest --test-dir build-windows --output-on-failure -j "$(nproc)" || status=$?
if [ "$status" -eq 0 ]; then
    echo "== random sessions: the native headless runner against the Win32 toolkit under Wine"
    tools/random_sessions/random_sessions.py build --windows build-windows --fixed 40 --fresh 0 || status=$?
fi
wineserver -k 2>/dev/null || true
WINEPREFIX="$PWD/build-windows/wineprefix-144dpi" wineserver -k 2>/dev/null || true
echo "(the Windows tests took $(( $(date +%s) - started )) s)"
[ "$status" -eq 0 ] || exit "$status"
echo "== all tests passed"
