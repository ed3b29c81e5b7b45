#!/usr/bin/env bash
# Starts the program on a virtual X display and checks what the window system sees:
# the main window's class must be the desktop entry's StartupWMClass, or the dock
# cannot match the window to its menu entry and icon, and the window must carry the
# icon in several sizes (set just after its first frame).
# Usage: check_window.sh PROGRAM DESKTOP_FILE
set -euo pipefail
program=$1
desktop_file=$2

if [ -z "${INSIDE_XVFB:-}" ]; then
    # The program must use the X11 platform here, whatever the test run chose.
    exec env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY INSIDE_XVFB=1 xvfb-run -a "$0" "$@"
fi

expected=$(sed -n 's/^StartupWMClass=//p' "$desktop_file")
[ -n "$expected" ] || { echo "FAIL: $desktop_file has no StartupWMClass"; exit 1; }

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# Started under another name: the class must not follow the name it was called by.
link_dir=$(mktemp -d)
ln -s "$(realpath "$program")" "$link_dir/rechner"
"$link_dir/rechner" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$link_dir"' EXIT

window=
for _ in $(seq 100); do
    window=$(xwininfo -root -tree | awk '/"Quorvel V2\.0\.0 / { print $1; exit }')
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "FAIL: the program ended before showing its window"; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: no main window within 10 s"; exit 1; }

wm_class=$(xprop -id "$window" WM_CLASS)
echo "$wm_class"
# WM_CLASS(STRING) = "instance", "class": the class is the second string.
class=$(printf '%s\n' "$wm_class" | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
if [ "$class" != "$expected" ]; then
    echo "FAIL: window class '$class', desktop entry StartupWMClass '$expected'"
    exit 1
fi

# The icon follows the window's first frame: wait for it a while.
sizes=
for _ in $(seq 50); do
    sizes=$(xprop -id "$window" -notype _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ' || true)
    [ -n "$sizes" ] && break
    sleep 0.1
done
echo "_NET_WM_ICON: $sizes"
for size in 16 32 48; do
    case "$sizes" in
        *"Icon ($size x $size)"*) ;;
        *) echo "FAIL: the window icon has no $size x $size image"; exit 1 ;;
    esac
done
echo "window class and icon match the desktop entry"
