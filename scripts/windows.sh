#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
#
# Builds the program for 64-bit Windows on Debian 12 and packs it in build-win/:
#   zakat-<version>-windows-x86_64.zip  the program folder: zakat.exe, the
#       DLLs it imports, Qt's Windows platform and style plugins, Qt's Arabic
#       translation and the licence texts, stripped;
#   zakat-<version>-setup.exe           the same folder in an Arabic installer.
# Installs what it needs with apt, cross-builds Qt once (scripts/windows-qt.sh
# keeps it in a cache outside the checkout) and builds the program against
# it with MinGW-w64.
#
# "sh scripts/windows.sh --test" also builds the tests and runs them under
# Wine (wine64, offscreen platform), then checks the packages themselves:
# zakat.exe from the unpacked zip starts and shows the menu, and the
# installer installs and uninstalls silently, leaving nothing behind.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)

case "${1:-}" in
    "") test=OFF ;;
    --test) test=ON ;;
    *) echo "usage: sh scripts/windows.sh [--test]" >&2; exit 2 ;;
esac

sh scripts/setup.sh windows
qt=$(sh scripts/windows-qt.sh)

version=$(sed -n 's/^project(zakat VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
triple=x86_64-w64-mingw32
out=build-win
build=$out/build
name=zakat-$version-windows-x86_64
stage=$out/$name
mkdir -p "$out"

cmake -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/packaging/windows/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_BUILD_MULTIARCH)/cmake" \
    -DBUILD_TESTING="$test"
cmake --build "$build" -j"$(nproc)"

# The program folder. windeployqt is not built when cross-compiling, so the
# DLLs are found by following each file's imports: Qt's from the cross-built
# Qt, the compiler's runtime from MinGW-w64; the rest are Windows' own.
rm -rf "$stage"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/translations" \
    "$stage/licenses/zakat" "$stage/licenses/qt" "$stage/licenses/mingw-w64"
cp "$build/zakat.exe" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp "$qt/translations/qtbase_ar.qm" "$stage/translations/"
# Qt looks for its plugins and translations beside the program.
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\n' >"$stage/qt.conf"

runtime_dirs="$qt/bin $(dirname "$($triple-g++-posix -print-file-name=libstdc++-6.dll)") \
/usr/$triple/lib"
imports() {
    $triple-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'
}
pending="$stage/zakat.exe $stage/platforms/qwindows.dll $stage/styles/qwindowsvistastyle.dll"
while [ -n "$pending" ]; do
    next=""
    for file in $pending; do
        for dll in $(imports "$file"); do
            [ -e "$stage/$dll" ] && continue
            for dir in $runtime_dirs; do
                if [ -f "$dir/$dll" ]; then
                    cp "$dir/$dll" "$stage/"
                    next="$next $stage/$dll"
                    break
                fi
            done
        done
    done
    pending=$next
done
find "$stage" -name '*.exe' -o -name '*.dll' | while read -r file; do
    $triple-strip --strip-unneeded "$file"
done

cp /usr/share/common-licenses/GPL-3 "$stage/licenses/zakat/GPL-3.0-or-later.txt"
cp -r "$qt/licenses/." "$stage/licenses/qt/"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-w64/copyright"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/mingw-w64/gcc-copyright"

# Every file dated by the last commit and listed in one order, so that the
# same sources give the same zip.
epoch=$(git log -1 --format=%ct 2>/dev/null || date +%s)
find "$stage" -exec touch -h -d "@$epoch" {} +
rm -f "$out/$name.zip"
(cd "$out" && find "$name" | LC_ALL=C sort | TZ=UTC zip -q -X -D "$name.zip" -@)

# The installer: the same folder, with install and uninstall lists made
# from it (folders created top down, removed bottom up).
files=$out/installer-files.nsh
unfiles=$out/installer-unfiles.nsh
: >"$files"
: >"$unfiles"
(cd "$stage" && find . -mindepth 1 | LC_ALL=C sort) | sed 's|^\./||' | while read -r path; do
    winpath=$(printf '%s' "$path" | tr / '\\')
    if [ -d "$stage/$path" ]; then
        printf 'CreateDirectory "$INSTDIR\\%s"\n' "$winpath" >>"$files"
        printf 'RMDir "$INSTDIR\\%s"\n' "$winpath" >>"$unfiles"
    else
        printf 'File "/oname=%s" "%s"\n' "$winpath" "$root/$stage/$path" >>"$files"
        printf 'Delete "$INSTDIR\\%s"\n' "$winpath" >>"$unfiles"
    fi
done
# Files before their folders, deepest folders first.
{ grep '^Delete' "$unfiles"; grep '^RMDir' "$unfiles" | LC_ALL=C sort -r; } >"$unfiles.sorted"
mv "$unfiles.sorted" "$unfiles"
SOURCE_DATE_EPOCH=$epoch makensis -V2 -INPUTCHARSET UTF8 \
    -DVERSION="$version" -DSOURCE="$root/$stage" -DICON="$root/app/icons/zakat.ico" \
    -DFILES="$root/$files" -DUNFILES="$root/$unfiles" \
    -DOUTFILE="$root/$out/zakat-$version-setup.exe" packaging/windows/zakat.nsi

ls -l "$out/$name.zip" "$out/zakat-$version-setup.exe"

if [ "$test" = ON ]; then
    sh scripts/windows-check.sh "$out" "$version"
fi
