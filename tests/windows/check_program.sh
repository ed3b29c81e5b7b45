#!/usr/bin/env bash
# The real program under Wine, started as a user starts it: from a folder of its
# own, it shows its main window, switches the warning beep off for the session
# (another program reads it off; before the start, and after a new Wine session, it
# reads on), ends when its main window is closed, and writes nothing: no file in the
# folder or in the Windows tree, no registry key of its own.
# Usage: check_program.sh WINE_RUN QUORVEL_EXE PROBE_EXE WORK_DIR
set -euo pipefail
wine_run=$1 program=$2 probe=$3 work=$4
export WINEPREFIX="$work/wineprefix"
rm -rf "$work"
mkdir -p "$work/folder"
cp "$program" "$work/folder/quorvel.exe"
cp "$probe" "$work/probe.exe"
fail() {
    echo "$*"
    "$wine_run" "$work/probe.exe" close "Quorvel V2.0.0" >/dev/null 2>&1 || true
    wineserver -k 2>/dev/null || true
    exit 1
}
beep() { "$wine_run" "$work/probe.exe" beep | tr -d '\r'; }

[ "$(beep)" = on ] || fail "the beep is not on before the start"
touch "$work/stamp"
sleep 1  # the stamp's time lies before anything the run could write
(cd "$work/folder" && exec "$wine_run" ./quorvel.exe) &
pid=$!
"$wine_run" "$work/probe.exe" wait "Quorvel V2.0.0" || fail "no main window"
[ "$(beep)" = off ] || fail "the beep is still on once the window shows"
"$wine_run" "$work/probe.exe" close "Quorvel V2.0.0" || fail "cannot close the main window"
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end with its main window"
wait "$pid" || fail "the program ended with status $?"
written=$(find "$work/folder" "$WINEPREFIX/drive_c/users" -newer "$work/stamp" -type f | grep -v '/Temp/' || true)
[ -z "$written" ] || fail "the program wrote files: $written"
[ "$(beep)" = off ] || fail "the beep came on again within the session"
# The server writes the registry out as it ends.
wineserver -k 2>/dev/null || true
sleep 1
if grep -qi quorvel "$WINEPREFIX/user.reg" "$WINEPREFIX/system.reg"; then fail "the program left registry keys"; fi
[ "$(beep)" = on ] || fail "the beep is not on again after a new Wine session"
wineserver -k 2>/dev/null || true
echo "the program started, switched the beep off for the session, ended with its window and wrote nothing"
