#!/usr/bin/env bash
# Builds the Debian package from the build tree as `cpack -G DEB` does, lists it,
# checks that it holds exactly the installed files and that its control fields are
# filled in, with the dependencies dpkg-shlibdeps found, and runs lintian on it,
# which must report no error.
# Usage: check_package.sh BUILD_DIR VERSION LOCAL_MAINTAINER EXPECTED_FILE...
#   LOCAL_MAINTAINER: ON where the build took its maintainer from the local user@host
#   EXPECTED_FILE: a path below /usr, e.g. bin/quorvel
set -euo pipefail
build=$1
version=$2
local_maintainer=$3
shift 3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
problem() { echo "FAIL: $*"; fail=1; }

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$work/quorvel_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAIL: cpack made no $(basename "$deb")"; ls "$work"; exit 1; }

echo "== dpkg-deb -c $(basename "$deb")"
dpkg-deb -c "$deb" | tee "$work/listing"
# Files and links only; the directories follow from them.
grep -v '^d' "$work/listing" | awk '{ print $6 }' | sed 's|^\./usr/||' | sort >"$work/actual"
printf '%s\n' "$@" | sort >"$work/expected"
while read -r path; do problem "the package lacks /usr/$path"; done < <(comm -23 "$work/expected" "$work/actual")
while read -r path; do problem "the package holds the unexpected /usr/$path"; done < <(comm -13 "$work/expected" "$work/actual")
grep -q '^-rwxr-xr-x root/root .* \./usr/bin/quorvel$' "$work/listing" || problem "/usr/bin/quorvel is not an executable of root"

echo "== control fields"
dpkg-deb -f "$deb" Package Version Architecture Maintainer Section Priority Depends Recommends Description | tee "$work/control"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quorvel ] || problem "Package is not quorvel"
[ "$(field Version)" = "$version" ] || problem "Version is not $version"
[ "$(field Section)" = math ] || problem "Section is not math"
[ -n "$(field Maintainer)" ] || problem "no Maintainer"
[ "$(field Description | wc -l)" -gt 2 ] || problem "no extended Description"
# What dpkg-shlibdeps reads off the program: each library with its minimum version.
IFS=',' read -ra depends <<<"$(field Depends)"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    found=0
    for item in "${depends[@]}"; do
        [[ "${item# }" == "$library (>= "*")" ]] && found=1
    done
    [ "$found" -eq 1 ] || problem "Depends lacks $library with a minimum version"
done

echo "== lintian"
# Lintian notes on standard error that it runs as root; that says nothing about the package.
# A package signed by the local user@host (no DEBEMAIL or EMAIL where it was built, as on
# a test machine) has an address that lintian rightly calls bogus; those tags judge the
# builder, not the package, and a builder who sets DEBEMAIL sees none of them.
suppress=()
if [ "$local_maintainer" = ON ]; then
    suppress=(--suppress-tags bogus-mail-host,bogus-mail-host-in-debian-changelog,root-in-contact)
    echo "(signed by the local $(field Maintainer): lintian's tags on that address are not counted)"
fi
if ! lintian --fail-on error --tag-display-limit 0 --display-info "${suppress[@]}" "$deb" 2>"$work/lintian.err"; then
    cat "$work/lintian.err"
    problem "lintian reports an error"
fi
grep -v 'running with root privileges' "$work/lintian.err" || true

[ "$fail" -eq 0 ] && echo "package checked"
exit "$fail"
