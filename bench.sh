#!/usr/bin/env bash
# Installs what is missing, builds the Release benchmarks, and measures Quorvel's
# start-up (exec to first painted frame, and peak RSS) on a virtual display against two
# floors: a bare Qt window of the same size, and that window showing two captions in
# the layout's fonts; then runs the other benchmarks that were built, and a soak of
# long random sessions on both toolkits.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"

ROUNDS=${BENCH_ROUNDS:-15}
WARMUPS=${BENCH_WARMUPS:-2}
# Each Google Benchmark runs this many times; the targets are on the median.
REPETITIONS=${BENCH_REPETITIONS:-5}

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

# No session bus: the accessibility bridge's D-Bus autolaunch would add the same
# wait to every program and hide their differences.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent

probe=build-bench/bench/startup_probe
programs=(bare_window captions quorvel)
declare -A command=([bare_window]=build-bench/bench/bare_window
                    [captions]="build-bench/bench/bare_window --captions"
                    [quorvel]=build-bench/quorvel)

# One run of a program; prints "first_paint_ms rss_kib".
run_once() {
    # shellcheck disable=SC2086 # the command holds the program and its arguments
    "$probe" -n 1 -w 0 -- ${command[$1]} |
        sed -n 's/^run 1: first_paint_ms=\([0-9.]*\) .*rss_kib=\([0-9]*\).*/\1 \2/p'
}

# Paired rounds: each round runs every program once, in an order that rotates from
# round to round, so that a change in the load of this small machine (a build next
# door) weighs on all of them alike and cancels from the ratios taken within a round.
echo "== start-up: $WARMUPS warm-up rounds, then $ROUNDS paired rounds, display $DISPLAY"
declare -A ms rss
for round in $(seq "$((WARMUPS + ROUNDS))"); do
    for k in 0 1 2; do
        name=${programs[$(((round + k) % 3))]}
        read -r ms[$name] rss[$name] < <(run_once "$name") || true
        if [ -z "${ms[$name]}" ]; then
            echo "bench.sh: $name did not paint" >&2
            exit 1
        fi
    done
    line=""
    for name in "${programs[@]}"; do line+=" $name ${ms[$name]} ${rss[$name]}"; done
    if [ "$round" -le "$WARMUPS" ]; then
        echo "warm-up $round:$line"
    else
        echo "round $((round - WARMUPS)):$line" | tee -a "$work/rounds.txt"
    fi
done

# Medians over the rounds: each program's first paint, and the ratios within a round.
awk '
    function median(a, n,    i, j, t) {
        for (i = 2; i <= n; ++i) for (j = i; j > 1 && a[j - 1] > a[j]; --j) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    {
        ++n
        b[n] = $4; c[n] = $7; q[n] = $10
        rb[n] = $10 / $4; rc[n] = $10 / $7
        if ($5 > brss) brss = $5
        if ($8 > crss) crss = $8
        if ($11 > qrss) qrss = $11
    }
    END {
        qm = median(q, n); bm = median(b, n); cm = median(c, n)
        rcm = median(rc, n); rbm = median(rb, n)
        printf "== start-up summary (exec to first painted frame, medians of %d paired rounds)\n", n
        printf "quorvel:               median %.1f ms\n", qm
        printf "two-caption window:    median %.1f ms\n", cm
        printf "bare window:           median %.1f ms\n", bm
        printf "ratio quorvel/two-caption window: %.3f (target <= 1.15: %s)\n", rcm, rcm <= 1.15 ? "met" : "NOT met"
        printf "ratio quorvel/bare window:        %.3f\n", rbm
        printf "peak RSS: quorvel %.1f MiB (target <= 32 MiB: %s), two-caption window %.1f MiB, bare window %.1f MiB\n",
            qrss / 1024, qrss <= 32 * 1024 ? "met" : "NOT met", crss / 1024, brss / 1024
    }' "$work/rounds.txt"
printf 'load average: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"

for exe in build-bench/bench/*; do
    if [ ! -f "$exe" ] || [ ! -x "$exe" ]; then continue; fi
    case "$(basename "$exe")" in startup_probe | bare_window) continue ;; esac
    echo "== $(basename "$exe")"
    "$exe" --benchmark_repetitions="$REPETITIONS" --benchmark_report_aggregates_only=true
done

# Long random sessions: time per action and resident memory at the start and the end
# of each, so that a leak or a slow-down over time shows.
echo "== soak: 10^6 random actions on the headless toolkit, 10^5 on the Qt toolkit"
python3 tools/random_sessions/soak.py build-bench --toolkit headless --actions 1000000 --sessions 10
QT_QPA_PLATFORM=offscreen python3 tools/random_sessions/soak.py build-bench --toolkit qt --actions 100000 --sessions 2
