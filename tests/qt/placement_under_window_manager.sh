#!/usr/bin/env bash
# Run by with_window_manager.sh: starts the program, moves the main window, presses
# "Konstanten" as a user would, and compares the outer corners of both windows as the
# X server has them: the constants window's must lie 100 right of and 150 below the
# main window's. Usage: placement_under_window_manager.sh PROGRAM
set -euo pipefail
program=$1
"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
# A window of that name once the window manager has framed it: its client then lies
# inside the frame, away from the frame's corner. A build with the sanitizers or a
# loaded machine starts slowly, so this waits up to 60 s, and says what it saw when
# the window does not come.
find_window() {
    local deadline=$((SECONDS + 60)) id=""
    while [ $SECONDS -lt $deadline ]; do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'Relative upper-left Y: *[1-9]'; then
            echo "$id"
            return
        fi
        kill -0 "$pid" 2>/dev/null || { echo "the program ended before its window $1 was framed" >&2; exit 1; }
        sleep 0.05
    done
    {
        echo "no framed window named $1 within 60 s"
        if [ -n "$id" ]; then echo "the window seen:"; xwininfo -id "$id"; else echo "no visible window of that name"; fi
        if [ -n "${WM_PID:-}" ]; then
            kill -0 "$WM_PID" 2>/dev/null && echo "the window manager runs" || echo "the window manager has ended"
            echo "its log:"; cat "$WM_LOG"
        fi
        echo "the windows:"; xwininfo -root -tree | head -n 40
    } >&2
    exit 1
}
# The outer corner: the client's place on the screen less its place in the frame.
corner() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {ax=$4} /Absolute upper-left Y/ {ay=$4}
                             /Relative upper-left X/ {rx=$4} /Relative upper-left Y/ {ry=$4}
                             END {print ax-rx, ay-ry}'
}
main=$(find_window "Quorvel V2.0.0")
xdotool windowmove --sync "$main" 200 100
sleep 0.3
# "Konstanten": Panel4 at (484, 191), the button at (8, 80) in it, 75 x 25.
xdotool mousemove --window "$main" 529 283 click 1
konst=$(find_window "physikalische Konstanten")
sleep 0.5
read -r mx my < <(corner "$main")
read -r kx ky < <(corner "$konst")
echo "main window corner $mx,$my; constants window corner $kx,$ky"
if [ "$kx" -ne $((mx + 100)) ] || [ "$ky" -ne $((my + 150)) ]; then
    echo "expected the constants window's corner at $((mx + 100)),$((my + 150))" >&2
    exit 1
fi
