#!/usr/bin/env bash
# Installs what is missing, builds the Release benchmarks, and measures Quorvel's
# start-up (exec to first painted frame, and peak RSS) on a virtual display against a
# bare Qt window of the same size; then runs the other benchmarks that were built.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"

RUNS=${BENCH_RUNS:-9}
WARMUPS=${BENCH_WARMUPS:-2}

echo "== build (Release)"
configure_and_build build-bench -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BENCH=ON

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Another Xvfb (the tests', a developer's) may hold a display: take the first free one.
display=""
for n in $(seq 97 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
            display=":$n"
            break
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    [ -n "$display" ] && break
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
done
if [ -z "$display" ]; then
    echo "bench.sh: could not start Xvfb" >&2
    cat "$work/xvfb.log" >&2 || true
    exit 1
fi
export DISPLAY=$display
# The offscreen platform paints nothing on the display: Qt must pick xcb.
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

probe=build-bench/bench/startup_probe
measure() {
    local name=$1
    shift
    echo "== start-up: $name ($WARMUPS warm-up, $RUNS runs, display $DISPLAY)" >&2
    "$probe" -n "$RUNS" -w "$WARMUPS" -- "$@" | tee "$work/$name.txt" >&2
    tail -n 1 "$work/$name.txt"
}
field() { sed -n "s/.*\b$1=\([0-9.]*\).*/\1/p" <<<"$2"; }

bare=$(measure bare_window build-bench/bench/bare_window)
quorvel=$(measure quorvel build-bench/quorvel)

awk -v q="$(field median_ms "$quorvel")" -v b="$(field median_ms "$bare")" \
    -v qrss="$(field max_rss_kib "$quorvel")" -v brss="$(field max_rss_kib "$bare")" 'BEGIN {
    ratio = q / b
    printf "== start-up summary\n"
    printf "quorvel median to first paint: %.1f ms (target <= 50 ms: %s)\n", q, q <= 50 ? "met" : "NOT met"
    printf "bare Qt window median to first paint: %.1f ms\n", b
    printf "ratio quorvel/bare: %.2f (target <= 1.5: %s)\n", ratio, ratio <= 1.5 ? "met" : "NOT met"
    printf "quorvel peak RSS: %.1f MiB (target <= 35 MiB: %s); bare Qt window: %.1f MiB\n",
        qrss / 1024, qrss <= 35 * 1024 ? "met" : "NOT met", brss / 1024
}'

for exe in build-bench/bench/*; do
    if [ ! -f "$exe" ] || [ ! -x "$exe" ]; then continue; fi
    case "$(basename "$exe")" in startup_probe | bare_window) continue ;; esac
    echo "== $(basename "$exe")"
    "$exe"
done
