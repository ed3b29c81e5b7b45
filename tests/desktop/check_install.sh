#!/usr/bin/env bash
# Installs the build tree into a scratch prefix as `cmake --install` does and checks
# that exactly the expected files arrive, and that the installed AppStream metadata
# finds its desktop entry in the tree.
# Usage: check_install.sh BUILD_DIR EXPECTED_FILE...
#   EXPECTED_FILE: a path below the prefix, e.g. bin/quorvel
set -euo pipefail
build=$1
shift

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail=0
problem() { echo "FAIL: $*"; fail=1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . -type f -o -type l) | sed 's|^\./||' | sort >"$prefix.actual"
printf '%s\n' "$@" | sort >"$prefix.expected"
trap 'rm -rf "$prefix" "$prefix.actual" "$prefix.expected"' EXIT
while read -r path; do problem "not installed: $path"; done < <(comm -23 "$prefix.expected" "$prefix.actual")
while read -r path; do problem "installed but not expected: $path"; done < <(comm -13 "$prefix.expected" "$prefix.actual")
[ -x "$prefix/bin/quorvel" ] || problem "bin/quorvel is not executable"

appstreamcli validate-tree --no-net --strict "$prefix" || problem "appstreamcli validate-tree"
[ "$fail" -eq 0 ] && echo "installed tree checked"
exit "$fail"
