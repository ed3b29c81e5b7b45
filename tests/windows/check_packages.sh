#!/usr/bin/env bash
# The Windows packages as users get them, made by cpack from the build:
# - the portable zip holds the program, the licence and the two read-mes in one
#   folder, and the program starts from there;
# - the installer's /S installs per machine under Program Files with a start-menu
#   shortcut and an uninstall entry (name, version, publisher, icon), the program
#   starts through that shortcut, and the entry's quiet uninstall removes every file,
#   the shortcut and the entry; /S /CurrentUser does the same for the user alone, in
#   the user's own programs folder and registry;
# - unsigned without a certificate; with a throw-away self-signed one named by
#   QUORVEL_SIGN_CERT, the installer, the program in both packages and the installed
#   uninstaller carry a signature that verifies against it;
# - what is left in the end is what was there before: the uninstaller's copy of itself
#   in the temporary folder, which Windows deletes at the next start, is gone after a
#   new Wine session, and no registry value names Quorvel.
# Usage: check_packages.sh WINE_RUN CPACK BUILD_DIR SOURCE_DIR PROBE_EXE VERSION WORK_DIR
set -euo pipefail
wine_run=$1 cpack=$2 build=$3 source=$4 probe=$5 version=$6 work=$7
export WINEPREFIX="$work/wineprefix"
name="quorvel-$version-win64"
title="Quorvel V"
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvel'
publisher=$(sed -n 's/^Copyright: *[0-9-]* *//p' "$source/desktop/copyright" | head -n 1)
rm -rf "$work"
mkdir -p "$work"

fail() {
    echo "FAIL: $*"
    "$wine_run" "$probe" close "$title" >/dev/null 2>&1 || true
    wineserver -k 2>/dev/null || true
    exit 1
}
win() { "$wine_run" "$@" 2>/dev/null | tr -d '\r'; }
# reg_value ROOT NAME: a value of the uninstall entry, empty when there is none.
reg_value() {
    win reg query "$1\\$key" /v "$2" | sed -n "s/^ *$2 *REG_[A-Z_]* *//p" || true
}
# What a Windows tree holds, apart from Wine's own folder and the temporary folders.
snapshot() {
    (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -path '*/Temp' -prune -o -print | sort)
}
packages() {  # packages DIR: both packages into DIR
    for generator in ZIP NSIS; do
        "$cpack" --config "$build/CPackConfig.cmake" -G "$generator" -B "$1" >"$1.$generator.log" 2>&1 ||
            { cat "$1.$generator.log"; fail "cpack -G $generator failed"; }
    done
    [ -f "$1/$name.zip" ] || fail "no $name.zip"
    [ -f "$1/$name.exe" ] || fail "no $name.exe"
}
signed() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1; }

# --- the packages, unsigned ----------------------------------------------------
mkdir -p "$work/unsigned"
(unset QUORVEL_SIGN_CERT; packages "$work/unsigned")
zip="$work/unsigned/$name.zip"
installer="$work/unsigned/$name.exe"
listed=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
expected="$name/LICENSE.txt $name/LIESMICH.txt $name/README.txt $name/quorvel.exe "
[ "$listed" = "$expected" ] || fail "the zip holds '$listed', expected '$expected'"
mkdir -p "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip")
folder="$work/zip/$name"
cmp -s "$folder/quorvel.exe" "$build/quorvel.exe" || fail "the zip's program is not the build's"
tr -d '\r' <"$folder/LICENSE.txt" | cmp -s - "$source/LICENSE" || fail "LICENSE.txt is not the licence"
for text in LICENSE.txt LIESMICH.txt README.txt; do
    [ "$(grep -c $'\r$' "$folder/$text")" -eq "$(wc -l <"$folder/$text")" ] || fail "$text has lines without Windows line ends"
done
grep -q "Quorvel $version" "$folder/LIESMICH.txt" || fail "LIESMICH.txt does not name the version"
grep -q "Quorvel $version" "$folder/README.txt" || fail "README.txt does not name the version"
for exe in "$folder/quorvel.exe" "$installer"; do
    signed "$exe" && fail "$(basename "$exe") is signed, though no certificate was named"
done

# The portable program starts from the unpacked folder and ends with its window.
(cd "$folder" && exec "$wine_run" ./quorvel.exe) &
pid=$!
"$wine_run" "$probe" wait "$title" || fail "the program from the zip shows no window"
"$wine_run" "$probe" close "$title" || fail "cannot close the program from the zip"
wait "$pid" || fail "the program from the zip ended with status $?"

# --- install, start and uninstall ----------------------------------------------
# install ROOT FOLDER START_MENU [ARGS...]: the installer's /S, then the entry under
# ROOT, the files in FOLDER (a Windows path), the shortcut in START_MENU (a Unix path)
# and a start through it; the entry's quiet uninstall; and nothing left behind.
install() {
    local root=$1 folder=$2 menu=$3 exe=$4
    shift 4
    local before after unix lnk files quiet uninstaller
    before=$(snapshot)
    "$wine_run" "$exe" /S "$@" || fail "the installer $* ended with status $?"

    [ "$(reg_value "$root" DisplayName)" = Quorvel ] || fail "no uninstall entry under $root"
    [ "$(reg_value "$root" DisplayVersion)" = "$version" ] || fail "DisplayVersion is '$(reg_value "$root" DisplayVersion)'"
    [ "$(reg_value "$root" Publisher)" = "$publisher" ] || fail "Publisher is '$(reg_value "$root" Publisher)'"
    [ "$(reg_value "$root" DisplayIcon)" = "$folder\\quorvel.exe,0" ] || fail "DisplayIcon is '$(reg_value "$root" DisplayIcon)'"
    [ "$(reg_value "$root" InstallLocation)" = "$folder" ] || fail "InstallLocation is '$(reg_value "$root" InstallLocation)'"
    for other in HKLM HKCU; do
        if [ "$other" != "$root" ] && [ -n "$(reg_value "$other" DisplayName)" ]; then
            fail "an uninstall entry under $other as well as under $root"
        fi
    done

    unix=$(win winepath -u "$folder")
    unix=${unix%/}
    files=$(cd "$unix" && ls | tr '\n' ' ')
    [ "$files" = "LICENSE.txt LIESMICH.txt README.txt Uninstall.exe quorvel.exe " ] || fail "$folder holds: $files"
    cmp -s "$unix/quorvel.exe" "$build/quorvel.exe" || fail "the installed program is not the build's"

    lnk="$menu/Quorvel.lnk"
    [ -f "$lnk" ] || fail "no start-menu shortcut $lnk"
    "$wine_run" start /unix "$lnk" || fail "the shortcut does not start"
    "$wine_run" "$probe" wait "$title" || fail "no main window through the shortcut"
    started=$("$wine_run" "$probe" exe "$title" | tr -d '\r')
    [ "${started,,}" = "${folder,,}\\quorvel.exe" ] || fail "the shortcut started $started"
    "$wine_run" "$probe" quit "$title" || fail "the program started through the shortcut did not end"

    quiet=$(reg_value "$root" QuietUninstallString)
    [[ $quiet =~ ^\"([^\"]+)\"\ (.*)$ ]] || fail "QuietUninstallString is '$quiet'"
    uninstaller=${BASH_REMATCH[1]}
    read -r -a args <<<"${BASH_REMATCH[2]}"
    [ "$uninstaller" = "$folder\\Uninstall.exe" ] || fail "the uninstaller is $uninstaller"
    "$wine_run" "$uninstaller" "${args[@]}" || fail "the uninstaller ended with status $?"
    # The uninstaller runs on from a copy of itself in the temporary folder.
    for _ in $(seq 100); do
        [ -e "$unix" ] || break
        sleep 0.2
    done
    [ ! -e "$unix" ] || fail "$folder is still there after the uninstall: $(ls "$unix" | tr '\n' ' ')"
    [ ! -e "$lnk" ] || fail "the shortcut is still there after the uninstall"
    [ -z "$(reg_value "$root" DisplayName)" ] || fail "the uninstall entry is still there"
    after=$(snapshot)
    [ "$before" = "$after" ] || fail "the uninstall left: $(diff <(echo "$before") <(echo "$after") | grep '^[<>]' | tr '\n' ' ')"
}

programs=$(win cmd /c echo %ProgramW6432%)
appdata=$(win winepath -u "$(win cmd /c echo %APPDATA%)")
local_appdata=$(win cmd /c echo %LOCALAPPDATA%)
install HKLM "$programs\\Quorvel" "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" "$installer"
install HKCU "$local_appdata\\Programs\\Quorvel" "${appdata%/}/Microsoft/Windows/Start Menu/Programs" "$installer" /CurrentUser

# --- signed with a throw-away certificate --------------------------------------
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Quorvel test signing" \
    -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
    -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/cert.pfx" -passout pass:wegwerf
mkdir -p "$work/signed"
QUORVEL_SIGN_CERT="$work/cert.pfx" QUORVEL_SIGN_PASSWORD=wegwerf packages "$work/signed"
signed "$work/signed/$name.exe" || { cat "$work/verify.log"; fail "the signed installer does not verify"; }
mkdir -p "$work/signed/zip"
(cd "$work/signed/zip" && cmake -E tar xf "$work/signed/$name.zip")
signed "$work/signed/zip/$name/quorvel.exe" || { cat "$work/verify.log"; fail "the zip's program does not verify"; }
"$wine_run" "$work/signed/$name.exe" /S || fail "the signed installer ended with status $?"
installed=$(win winepath -u "$programs\\Quorvel")
for exe in quorvel.exe Uninstall.exe; do
    signed "${installed%/}/$exe" || { cat "$work/verify.log"; fail "the installed $exe does not verify"; }
done
"$wine_run" "$programs\\Quorvel\\Uninstall.exe" /AllUsers /S || fail "the signed uninstaller ended with status $?"
for _ in $(seq 100); do
    [ -e "${installed%/}" ] || break
    sleep 0.2
done
[ ! -e "${installed%/}" ] || fail "the signed installation is still there after the uninstall"

# --- a new Wine session --------------------------------------------------------
# The server writes the registry out as it ends; the next session's start deletes what
# was left to be deleted at a restart.
wineserver -k 2>/dev/null || true
win cmd /c exit >/dev/null
wineserver -k 2>/dev/null || true
left=$(find "$WINEPREFIX/drive_c" -iname '*quorvel*' -o -iname '~nsu*' | tr '\n' ' ')
[ -z "$left" ] || fail "left behind: $left"
if grep -il -e quorvel -e '~nsu' "$WINEPREFIX"/*.reg; then fail "the registry still names Quorvel or the uninstaller"; fi
echo "zip and installer of $version: contents, install per machine and per user, start through the shortcut," \
    "uninstall without a trace, and signing with a given certificate"
