#!/usr/bin/env bash
# Installs what is missing, builds the Release benchmarks, and measures Quorvel's
# start-up (exec to first painted frame, and peak RSS) on a virtual display against two
# floors: a bare Qt window of the same size, and that window showing two captions in
# the layout's fonts; then the Windows program's start-up under Wine (start to its
# first painted window, and peak working set) against two Win32 floors: a bare window
# of the same size showing the two captions, and that window with as many native child
# windows of the same classes as the program makes; then runs the other benchmarks
# that were built, and a soak of long random sessions on both toolkits.
#
# BENCH_ROUNDS and BENCH_WARMUPS set the paired rounds of both start-up parts;
# BENCH_WINDOWS=0 leaves the Windows part out, BENCH_LINUX=0 everything else;
# BENCH_WINE_CPU sets the processor of the Wine session (see windows_startup).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/setup.sh

ROUNDS=${BENCH_ROUNDS:-15}
WARMUPS=${BENCH_WARMUPS:-2}
# Each Google Benchmark runs this many times; the targets are on the median.
REPETITIONS=${BENCH_REPETITIONS:-5}
LINUX=${BENCH_LINUX:-1}
# The median of a[1..n] (sorted in place), for the summaries' awk programs.
AWK_MEDIAN='
    function median(a, n,    i, j, t) {
        for (i = 2; i <= n; ++i) for (j = i; j > 1 && a[j - 1] > a[j]; --j) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }'
WINDOWS=${BENCH_WINDOWS:-1}

packages=()
[ "$LINUX" = 0 ] || packages+=("${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${BENCH_PACKAGES[@]}")
[ "$WINDOWS" = 0 ] || packages+=("${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}")
if [ ${#packages[@]} -gt 0 ]; then ensure_packages "${packages[@]}"; fi

work=$(mktemp -d)
xvfb_pid=""
wine_prefix=""
cleanup() {
    if [ -n "$wine_prefix" ]; then
        WINEPREFIX="$wine_prefix" wineserver -k 2>/dev/null || true
    fi
    if [ ${#VIRTUAL_DISPLAY_PIDS[@]} -gt 0 ]; then
        kill "${VIRTUAL_DISPLAY_PIDS[@]}" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The Linux program on Qt, on an X display of the script's own.
linux_startup() {
    echo "== build (Release)"
    configure_and_build build-bench -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BENCH=ON

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
            read -r "ms[$name]" "rss[$name]" < <(run_once "$name") || true
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
    awk "$AWK_MEDIAN"'
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
}

# The Windows program under Wine, with a Wine prefix and an X display of the script's
# own and a wine server kept up between the runs, as a user's Wine session has it
# after its first program.
windows_startup() {
    echo "== build (Windows, Release, mingw-w64)"
    cmake --preset windows >/dev/null
    cmake --build build-windows -j "$(nproc)" --target quorvel win32-startup-probe win32-bare-window wine-desktop-keeper

    # A display of its own, for the Wine session alone: DISPLAY stays the Linux part's.
    start_virtual_display WINE_BENCH_DISPLAY
    trap cleanup EXIT  # start_virtual_display set a trap of its own
    wine_prefix="$PWD/build-windows/wineprefix-bench"
    export WINEPREFIX="$wine_prefix"
    # A server left from an interrupted run would still show on a display now gone.
    wineserver -k 2>/dev/null || true

    # The Wine session (server, desktop, probe and programs) on one processor. Much of
    # what Windows answers in its kernel (making, placing and painting windows) is a
    # round trip to the wine server here; between two processors each trip wakes the
    # other one, which on a virtual machine with an idle second processor can cost as
    # much as the work itself and makes the figures swing with the load next door
    # (a build on the other processor made the programs faster, not slower). On one
    # processor the trips are plain switches, as they are to a kernel.
    # BENCH_WINE_CPU names the processor; "all" leaves the session unpinned.
    local cpu=${BENCH_WINE_CPU:-$(($(nproc) - 1))}
    local pin=()
    [ "$cpu" = all ] || pin=(taskset -c "$cpu")
    local wine_run=scripts/wine-run
    local probe=build-windows/bench/win32-startup-probe.exe
    # The Windows names of the exes, through Wine's drive Z:, the host's root.
    local bare quorvel
    bare=$(realpath build-windows/bench/win32-bare-window.exe)
    bare="Z:${bare//\//\\}"
    quorvel=$(realpath build-windows/quorvel.exe)
    quorvel="Z:${quorvel//\//\\}"

    # The probe's line for one start of a program.
    probe_once() {
        DISPLAY=$WINE_BENCH_DISPLAY "${pin[@]}" "$wine_run" "$probe" "$@" | tr -d '\r'
    }
    field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p"; }

    echo "== Windows start-up: the Wine session and the program's windows (display $WINE_BENCH_DISPLAY, processors: $cpu)"
    local census windows children tops
    # The probe says on standard error why a run failed.
    census=$(probe_once -- "$quorvel") || true
    if [ -z "$census" ]; then
        echo "bench.sh: quorvel.exe did not start under Wine" >&2
        exit 1
    fi
    windows=${census#* windows=}
    children=$(field child_windows <<<"$census")
    tops=$(field top_windows <<<"$census")
    local shown_hidden
    shown_hidden=$({ grep -o -- '--child [^ ]*' <<<"$windows" || true; } | sed 's/.*=\([0-9]*\)\/\([0-9]*\)$/\1 \2/' |
        awk '{ s += $1; h += $2 } END { printf "%d shown, %d hidden", s, h }')
    echo "quorvel.exe makes $children child windows ($shown_hidden) and $tops top-level windows besides its main window: $windows"
    [ "$windows" != - ] || windows=""

    local programs=(captions children quorvel)
    local -A command=([captions]="$bare" [children]="$bare $windows" [quorvel]="$quorvel")
    echo "== Windows start-up: $WARMUPS warm-up rounds, then $ROUNDS paired rounds"
    local -A ms kib
    local round k name line
    : >"$work/windows-rounds.txt"
    for round in $(seq "$((WARMUPS + ROUNDS))"); do
        for k in 0 1 2; do
            name=${programs[$(((round + k) % 3))]}
            # shellcheck disable=SC2086 # the command holds the program and its arguments
            line=$(probe_once -- ${command[$name]}) || true
            ms[$name]=$(field first_paint_ms <<<" $line")
            kib[$name]=$(field peak_working_set_kib <<<"$line")
            if [ -z "${ms[$name]}" ] || [ -z "${kib[$name]}" ]; then
                echo "bench.sh: $name did not paint under Wine" >&2
                exit 1
            fi
        done
        line=""
        for name in "${programs[@]}"; do line+=" $name ${ms[$name]} ${kib[$name]}"; done
        if [ "$round" -le "$WARMUPS" ]; then
            echo "warm-up $round:$line"
        else
            echo "round $((round - WARMUPS)):$line" | tee -a "$work/windows-rounds.txt"
        fi
    done

    # Whether the time to the idle program holds the whole first picture: a watched
    # run of the floor with child windows and of the program, each looking at the
    # screen while it starts (slower for the looking), gives when the picture last
    # changed, against when the program went idle.
    echo "== Windows start-up: does the time to idle hold the first painted picture? (watched runs, slower)"
    local idle last after verdict
    for name in children quorvel; do
        # shellcheck disable=SC2086 # the command holds the program and its arguments
        line=$(probe_once --watch -- ${command[$name]}) || true
        idle=$(field first_paint_ms <<<" $line")
        last=$(field changes_ms <<<"$line" | tr ',' '\n' | tail -n 1)
        after=$(field changes_ms <<<"$line" | tr ',' '\n' | LC_ALL=C awk -v idle="$idle" '$1 > idle + 50' | wc -l)
        if [ -z "$idle" ] || [ -z "$last" ]; then
            echo "bench.sh: the watched run of $name saw no picture" >&2
            exit 1
        fi
        verdict=$(LC_ALL=C awk -v idle="$idle" -v last="$last" -v after="$after" \
            'BEGIN { print last <= idle + 50 && after == 0 ? "yes" : "NO" }')
        printf '%s: window seen %s ms, background painted %s ms, picture last changed %s ms, idle %s ms: held: %s\n' \
            "$name" "$(field window_seen_ms <<<"$line")" "$(field painted_seen_ms <<<"$line")" "$last" "$idle" "$verdict"
    done

    # The probe writes its numbers with a decimal point, whatever the locale.
    LC_ALL=C awk -v wine="$(wine --version 2>/dev/null | head -n 1)" -v cpu="$cpu" -v children="$children" -v shown_hidden="$shown_hidden" -v tops="$tops" -v windows="$windows" "$AWK_MEDIAN"'
        {
            ++n
            c[n] = $4; f[n] = $7; q[n] = $10
            rf[n] = $10 / $7; rc[n] = $10 / $4
            if ($5 > ckib) ckib = $5
            if ($8 > fkib) fkib = $8
            if ($11 > qkib) qkib = $11
        }
        END {
            qm = median(q, n); fm = median(f, n); cm = median(c, n)
            rfm = median(rf, n); rcm = median(rc, n)
            printf "== Windows start-up summary (%s, not Windows: these are Wine'"'"'s figures)\n", wine
            printf "start to first painted window (WaitForInputIdle), medians of %d paired rounds, Wine session on processors %s:\n", n, cpu
            printf "quorvel.exe:                                    median %.1f ms\n", qm
            printf "floor: two-caption window + %3d child windows:  median %.1f ms\n", children, fm
            printf "floor: two-caption window:                      median %.1f ms\n", cm
            printf "ratio quorvel/floor with its child windows:     %.3f (target <= 1.15: %s)\n", rfm, rfm <= 1.15 ? "met" : "NOT met"
            printf "ratio quorvel/two-caption window:               %.3f\n", rcm
            printf "child windows of quorvel.exe: %d (%s), top-level windows besides the main one: %d\n", children, shown_hidden, tops
            printf "(by class and class style: %s)\n", windows
            printf "peak working set (under Wine the process'"'"'s peak resident set, Wine'"'"'s own DLLs included), highest of the rounds:\n"
            printf "quorvel.exe %.1f MiB, floor with child windows %.1f MiB, two-caption window %.1f MiB\n",
                qkib / 1024, fkib / 1024, ckib / 1024
        }' "$work/windows-rounds.txt"
    printf 'load average: %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
    wineserver -k 2>/dev/null || true
    wine_prefix=""
}

# The number routines, whole events on the real widgets, and long random sessions.
linux_others() {
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
}

[ "$LINUX" = 0 ] || linux_startup
[ "$WINDOWS" = 0 ] || windows_startup
[ "$LINUX" = 0 ] || linux_others
