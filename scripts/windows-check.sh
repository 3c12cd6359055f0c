#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
#
# Checks the Windows build under Wine: runs the test suite (offscreen
# platform), starts zakat.exe from the unpacked zip on a virtual screen and
# waits for its menu, then installs with the installer silently, checks what
# it put in place, uninstalls silently and checks that nothing is left.
# Usage: sh scripts/windows-check.sh <output folder> <version>
# (scripts/windows.sh --test calls it after building).
# Each run makes its Wine prefix (<output folder>/wine) anew, so nothing an
# earlier run installed, registered or left behind changes the result, and
# stops every Wine process of that prefix on the way out, whether a step
# failed, the checks passed or the run was interrupted.
set -eu
cd "$(dirname "$0")/.."
out=$1
version=$2
root=$(pwd)

export WINEPREFIX="$root/$out/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

stop_wine() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
}
cleanup() {
    status=$?
    trap - EXIT INT TERM HUP
    stop_wine
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# A server still running for the old prefix (a run killed outright) goes
# first, then the prefix itself.
stop_wine
rm -rf "$WINEPREFIX"
wine wineboot --init >/dev/null 2>&1
wineserver -w

echo "== Tests under Wine"
ctest --test-dir "$out/build" --output-on-failure --no-tests=error

echo "== zakat.exe from the zip"
menu_title="برنامج حساب الزكاة"
unpacked=$out/unpacked
rm -rf "$unpacked"
mkdir -p "$unpacked"
unzip -q "$out/zakat-$version-windows-x86_64.zip" -d "$unpacked"
# The menu window appears on an X screen under its Arabic title.
xvfb-run -a -s "-screen 0 1280x800x24" sh -c '
    wine "$1" >/dev/null 2>&1 &
    for second in $(seq 60); do
        if xwininfo -root -tree | grep -qF "\"$2\""; then
            echo "the menu window is open"
            wineserver -k
            exit 0
        fi
        sleep 1
    done
    echo "no menu window after 60 s" >&2
    wineserver -k
    exit 1' sh "$unpacked/zakat-$version-windows-x86_64/zakat.exe" "$menu_title"

echo "== The installer"
drive=$WINEPREFIX/drive_c
installed="$drive/Program Files/Zakat"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/حساب الزكاة.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\io.github.zakat_calculator.zakat'
snapshot() {
    # Every file and folder of drive C but Windows' own folder and the
    # temporary folder, where the uninstaller leaves the empty folder it ran
    # its copy from (NSIS does so on Windows too).
    find "$drive" -path "$drive/windows" -prune -o -path "$drive/users/*/Temp" -prune \
        -o -print | LC_ALL=C sort
}
before=$out/wine-before.txt
after=$out/wine-after.txt
wineserver -w
snapshot >"$before"
wine "$out/zakat-$version-setup.exe" /S
wineserver -w
failures=0
for path in "$installed/zakat.exe" "$installed/uninstall.exe" \
    "$installed/platforms/qwindows.dll" "$installed/translations/qtbase_ar.qm" "$shortcut"; do
    if [ ! -f "$path" ]; then
        echo "not installed: $path" >&2
        failures=$((failures + 1))
    fi
done
if ! wine reg query "$key" /v UninstallString >/dev/null 2>&1; then
    echo "no entry among the installed programs" >&2
    failures=$((failures + 1))
fi
wine "C:\\Program Files\\Zakat\\uninstall.exe" /S
wineserver -w
# The uninstaller runs from a copy in the temporary folder, which Windows
# removes at the next start: start again.
wine wineboot --restart >/dev/null 2>&1
wineserver -w
snapshot >"$after"
if ! diff "$before" "$after"; then
    echo "the uninstaller left the files above" >&2
    failures=$((failures + 1))
fi
if wine reg query "$key" >/dev/null 2>&1; then
    echo "the uninstaller left its registry entry" >&2
    failures=$((failures + 1))
fi
if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "installed and uninstalled silently; nothing is left"
