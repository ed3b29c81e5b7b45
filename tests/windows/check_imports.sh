#!/usr/bin/env bash
# The Windows exes are self-contained: each imports only DLLs that ship with Windows
# (no libstdc++, libgcc or winpthread of the compiler), and each has the subsystem it
# should: the program a window program (no console), the runner a console program.
# Usage: check_imports.sh OBJDUMP EXE SUBSYSTEM [EXE SUBSYSTEM ...]
set -euo pipefail
objdump=$1
shift
system='^(kernel32|user32|gdi32|comctl32|comdlg32|advapi32|shell32|ole32|oleaut32|oleacc|uxtheme|msvcrt|ucrtbase|ws2_32|shlwapi|imm32|version|winmm|msimg32|dwmapi)\.dll$'
status=0
while [ $# -ge 2 ]; do
    exe=$1 want=$2
    shift 2
    dump=$("$objdump" -p "$exe")
    while read -r dll; do
        if ! printf '%s\n' "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$system"; then
            echo "$exe imports $dll, which does not ship with Windows"
            status=1
        fi
    done < <(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p')
    subsystem=$(printf '%s\n' "$dump" | sed -n 's/^Subsystem[[:space:]]*[0-9a-f]*[[:space:]]*(\(.*\))$/\1/p')
    if [ "$subsystem" != "$want" ]; then
        echo "$exe: subsystem '$subsystem', expected '$want'"
        status=1
    fi
done
exit $status
