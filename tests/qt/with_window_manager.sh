#!/usr/bin/env bash
# Runs a command on a virtual X display with a real window manager (openbox), so that
# windows get frames the way they do on a desktop. Usage: with_window_manager.sh CMD...
set -euo pipefail
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# The server picks a free display number itself and tells it: two runs at once never
# land on the same display, as a check for a free number before starting could.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/displayfd" >"$work/xvfb.log" 2>&1 &
pids+=($!)
number=""
read -r -t 60 number <"$work/displayfd" || true
[ -n "$number" ] || { echo "no virtual display; the server's log:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
display=":$number"
export DISPLAY=$display
openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
wm_pid=$!
# The window manager is up once it names itself on the root window. A loaded machine
# may take long; a window manager that never comes up fails here, not as a missing
# frame later.
wm_up=""
deadline=$((SECONDS + 60))
while [ $SECONDS -lt $deadline ]; do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then wm_up=1; break; fi
    kill -0 "$wm_pid" 2>/dev/null || break
    sleep 0.05
done
if [ -z "$wm_up" ]; then
    echo "the window manager did not come up; its log:" >&2
    cat "$work/openbox.log" >&2
    exit 1
fi
# For the command's own report when a window is not framed.
export WM_PID=$wm_pid WM_LOG=$work/openbox.log
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work"
"$@"
