#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
#
# Cross-builds for 64-bit Windows the least Qt the program needs, from
# Debian's own qt6-base source of the same version as the host Qt, and
# installs it in a cache outside the checkout, one folder per source
# version: $ZAKAT_WINDOWS_CACHE/qt-<version>, where the cache is by default
# /var/cache/zakat-windows for root and ~/.cache/zakat-windows for others.
# A folder is trusted only when its stamp, written last, is there, so a
# second run reuses it and a run cut short is started again from nothing.
# The build holds a lock on the cache ($cache/lock), like the fresh-root
# runner's on its kept root: a second run at the same time waits for the
# first and then uses what it built, instead of building into the same
# folder. Prints the folder's path on stdout, all else on stderr.
# scripts/windows.sh calls it.
#
# The source comes through an apt configuration of its own: a sources list
# made at run time from the archive the system already uses, with "deb"
# turned into "deb-src", and its own lists and cache folders, so the
# system's apt configuration and lists are not touched.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
# Everything but the path goes to stderr.
exec 3>&1 1>&2

if [ "$(id -u)" -eq 0 ]; then
    cache=${ZAKAT_WINDOWS_CACHE:-/var/cache/zakat-windows}
else
    cache=${ZAKAT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zakat-windows}
fi
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
prefix=$cache/qt-$version
stamp=$prefix/.complete

lock=$cache/lock
work=$cache/work-$version

if [ -f "$stamp" ]; then
    echo "$prefix" >&3
    exit 0
fi

build_qt() {
    rm -rf "$prefix" "$work"
    mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" \
        "$work/apt/sources.list.d" "$work/source"

    # The system's entries for this release, one-line and deb822 alike, as
    # source entries. Entries of other releases or other vendors are left out.
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    list=$work/apt/sources.list
    : >"$list"
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        awk -v codename="$codename" '
            $1 == "deb" {
                for (i = 2; i <= NF && $i ~ /^\[/; i++)
                    while ($i !~ /\]$/) i++
                if ($(i + 1) ~ "^" codename "(-|$)") { $1 = "deb-src"; print }
            }' "$file" >>"$list"
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk -v codename="$codename" '
            function flush(   n, uris, suites, i, j, options) {
                if (types ~ /(^| )deb( |$)/ && enabled != "no" && uri != "") {
                    options = signed == "" ? "" : "[signed-by=" signed "] "
                    n = split(uri, uris, " ")
                    split(suite, suites, " ")
                    for (i = 1; i <= n; i++)
                        for (j in suites)
                            if (suites[j] ~ "^" codename "(-|$)")
                                print "deb-src " options uris[i] " " suites[j] " " components
                }
                types = uri = suite = components = signed = enabled = ""
            }
            /^[ \t]*#/ { next }
            /^[ \t]*$/ { flush(); next }
            {
                key = tolower($1); sub(/:$/, "", key)
                value = $0; sub(/^[^:]*:[ \t]*/, "", value)
                if (key == "types") types = value
                else if (key == "uris") uri = value
                else if (key == "suites") suite = value
                else if (key == "components") components = value
                else if (key == "signed-by") signed = value
                else if (key == "enabled") enabled = tolower(value)
            }
            END { flush() }' "$file" >>"$list"
    done
    if [ ! -s "$list" ]; then
        echo "No apt entry for Debian $codename found to take the Qt source from" >&2
        exit 1
    fi

    apt_private() {
        apt-get -o Dir::Etc::SourceList="$list" \
            -o Dir::Etc::SourceParts="$work/apt/sources.list.d" \
            -o Dir::State::Lists="$work/apt/lists" \
            -o Dir::Cache="$work/apt/cache" \
            -o APT::Sandbox::User=root "$@"
    }
    apt_private update
    (cd "$work/source" && apt_private source "qt6-base=$version")
    source=$(find "$work/source" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')

    # Only Core, Gui, Widgets, PrintSupport and Test, with the Windows and
    # offscreen platforms, and of the image plugins only ICO (the program
    # and its tests read XPM, PNG and ICO, never JPEG or GIF, and the zip
    # ships no image plugin).
    # Debian's source lacks the Wintab headers, so no tablet events;
    # Direct2D stays on because PrintSupport's font engine needs it; turning
    # OpenGL off needs the input switch too, or dynamic GL stays on.
    cmake -S "$source" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/packaging/windows/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_BUILD_MULTIARCH)/cmake" \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
        -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF \
        -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    cmake --build "$work/build" -j"$(nproc)"
    cmake --install "$work/build"
    # Qt's licence texts and Debian's account of every part of the source, to
    # ship beside the libraries.
    mkdir -p "$prefix/licenses"
    cp -r "$source/LICENSES" "$prefix/licenses/"
    cp "$source/debian/copyright" "$prefix/licenses/copyright"
    # This Qt builds no translations: Qt's own Arabic texts (menus, dialogs)
    # come from Debian's, which are the same for every architecture.
    mkdir -p "$prefix/translations"
    cp /usr/share/qt6/translations/qtbase_ar.qm "$prefix/translations/"

    touch "$stamp"
    rm -rf "$work"
}

mkdir -p "$cache"
(
    if ! flock -n 9; then
        echo "Waiting for another run building the Windows Qt in $cache" >&2
        flock 9
    fi
    # The run waited for may have built it.
    if [ ! -f "$stamp" ]; then
        build_qt
    fi
) 9>"$lock"
echo "$prefix" >&3
