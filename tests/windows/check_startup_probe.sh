#!/usr/bin/env bash
# The tools of the Windows start-up benchmark, once each and untimed: the probe starts
# the bare window and the real program under Wine and reports for each a time to the
# first painted window, a working set, and the windows it made; the bare window, given
# the program's windows, makes the same ones; a watched run sees the bare window's
# painted background on the screen.
# Usage: check_startup_probe.sh WINE_RUN PROBE_EXE BARE_WINDOW_EXE QUORVEL_EXE
set -euo pipefail
wine_run=$1 probe=$2
windows_name() {
    local p
    p=$(realpath "$1")
    echo "Z:${p//\//\\}"
}
bare=$(windows_name "$3")
quorvel=$(windows_name "$4")
fail() {
    echo "$*"
    exit 1
}
field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<" $2"; }
run() { "$wine_run" "$probe" "$@" | tr -d '\r'; }
# A line with a time above zero and a working set above zero.
check_line() {
    local what=$1 line=$2 ms kib
    ms=$(field first_paint_ms "$line")
    kib=$(field peak_working_set_kib "$line")
    LC_ALL=C awk -v ms="$ms" 'BEGIN { exit !(ms ~ /^[0-9]+\.[0-9]$/ && ms > 0) }' || fail "$what: no time to the first paint in: $line"
    if ! [[ "$kib" =~ ^[0-9]+$ ]] || [ "$kib" -eq 0 ]; then fail "$what: no working set in: $line"; fi
}

line=$(run -- "$bare") || fail "the probe failed on the bare window"
check_line "bare window" "$line"
[ "$(field child_windows "$line")" = 0 ] || fail "the bare window has child windows: $line"
[ "${line#* windows=}" = - ] || fail "the bare window has windows besides its own: $line"

line=$(run -- "$quorvel") || fail "the probe failed on quorvel.exe"
check_line "quorvel.exe" "$line"
children=$(field child_windows "$line")
windows=${line#* windows=}
if ! [[ "$children" =~ ^[0-9]+$ ]] || [ "$children" -lt 20 ] || [ "$children" -gt 400 ]; then
    fail "quorvel.exe has an implausible number of child windows: $line"
fi
for class in Edit Button; do
    [[ " $windows " == *" --child $class:"* ]] || fail "quorvel.exe has no child windows of class $class: $line"
done
sum=$(tr ' ' '\n' <<<"$windows" | sed -n 's/^[^-].*=\([0-9]*\)\/\([0-9]*\)$/\1 \2/p' | LC_ALL=C awk '{ n += $1 + $2 } END { print n + 0 }')
tops=$(field top_windows "$line")
[ "$sum" = "$((children + tops))" ] || fail "the windows by class ($sum) do not add up to the counts: $line"

# shellcheck disable=SC2086 # the probe's arguments for the windows, one word each
copy=$(run -- "$bare" $windows) || fail "the probe failed on the bare window with the program's windows"
check_line "bare window with the program's windows" "$copy"
if [ "$(field child_windows "$copy")" != "$children" ] || [ "${copy#* windows=}" != "$windows" ]; then
    fail "the bare window did not make the program's windows: $copy (the program: $line)"
fi

line=$(run --watch -- "$bare") || fail "the watched run of the bare window failed"
check_line "watched bare window" "$line"
LC_ALL=C awk -v seen="$(field painted_seen_ms "$line")" 'BEGIN { exit !(seen > 0) }' ||
    fail "the watched run did not see the bare window's background: $line"
echo "the probe timed and measured both programs, counted $children child windows of quorvel.exe, and the bare window made them alike"
