#!/usr/bin/env bash
# Installs what is missing, builds the Release benchmarks, and measures Quorvel's
# start-up (exec to first painted frame, and peak RSS) on a virtual display against a
# bare Qt window of the same size; then runs the other benchmarks that were built, and
# a soak of long random sessions on both toolkits.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"

BLOCKS=${BENCH_BLOCKS:-3}
BLOCK_RUNS=${BENCH_BLOCK_RUNS:-3}
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
programs=(bare_window quorvel)
declare -A command=([bare_window]=build-bench/bench/bare_window [quorvel]=build-bench/quorvel)

# The two programs take turns, a few runs at a time, so that a change in the load of
# this small machine (a build next door) weighs on both alike and not on their ratio.
echo "== start-up: $BLOCKS blocks of $BLOCK_RUNS runs each, $WARMUPS warm-up first, display $DISPLAY"
for block in $(seq "$BLOCKS"); do
    for name in "${programs[@]}"; do
        warmups=0
        [ "$block" -eq 1 ] && warmups=$WARMUPS
        echo "-- $name, block $block"
        "$probe" -n "$BLOCK_RUNS" -w "$warmups" -- "${command[$name]}" | tee -a "$work/$name.txt"
    done
done

# Prints "median min max_rss runs" over the measured (not warm-up) runs of one program.
summary() {
    sed -n 's/^run [0-9]*: first_paint_ms=\([0-9.]*\) .*rss_kib=\([0-9]*\).*/\1 \2/p' "$work/$1.txt" |
        sort -n -k1,1 | awk '{ t[NR] = $1; if ($2 > rss) rss = $2 }
            END { m = NR % 2 ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2; print m, t[1], rss, NR }'
}
read -r q_median q_min q_rss q_runs < <(summary quorvel)
read -r b_median b_min b_rss b_runs < <(summary bare_window)

awk -v q="$q_median" -v qmin="$q_min" -v qrss="$q_rss" -v qn="$q_runs" \
    -v b="$b_median" -v bmin="$b_min" -v brss="$b_rss" -v bn="$b_runs" 'BEGIN {
    ratio = q / b
    printf "== start-up summary (exec to first painted frame, median of %d and %d runs)\n", qn, bn
    printf "quorvel: median %.1f ms, min %.1f ms (target <= 50 ms: %s)\n", q, qmin, q <= 50 ? "met" : "NOT met"
    printf "bare Qt window: median %.1f ms, min %.1f ms\n", b, bmin
    printf "ratio quorvel/bare: %.2f (target <= 1.5: %s)\n", ratio, ratio <= 1.5 ? "met" : "NOT met"
    printf "quorvel peak RSS: %.1f MiB (target <= 35 MiB: %s); bare Qt window: %.1f MiB\n",
        qrss / 1024, qrss <= 35 * 1024 ? "met" : "NOT met", brss / 1024
}'
printf 'load average: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"

for exe in build-bench/bench/*; do
    if [ ! -f "$exe" ] || [ ! -x "$exe" ]; then continue; fi
    case "$(basename "$exe")" in startup_probe | bare_window) continue ;; esac
    echo "== $(basename "$exe")"
    "$exe"
done

# Long random sessions: time per action and resident memory at the start and the end
# of each, so that a leak or a slow-down over time shows.
echo "== soak: 10^6 random actions on the headless toolkit, 10^5 on the Qt toolkit"
python3 tools/random_sessions/soak.py build-bench --toolkit headless --actions 1000000 --sessions 10
QT_QPA_PLATFORM=offscreen python3 tools/random_sessions/soak.py build-bench --toolkit qt --actions 100000 --sessions 2
