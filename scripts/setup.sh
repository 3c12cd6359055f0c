#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
# Installs what building, running and testing the program need on Debian 12,
# only when something is missing, so running it again changes nothing.
# "sh scripts/setup.sh package" also installs what building the Debian
# package and checking it with lintian need; "sh scripts/setup.sh windows"
# what cross-building for Windows, packing it and testing it under Wine need.
set -eu

packages="build-essential cmake qt6-base-dev qt6-base-dev-tools libqt6test6 \
qt6-base-private-dev \
libgl-dev fonts-liberation2 fonts-noto-core fonts-hosny-amiri \
qt6-translations-l10n qt6-l10n-tools libqt6svg6 desktop-file-utils appstream \
poppler-utils at-spi2-core python3-pyatspi dbus xvfb"
if [ "${1:-}" = package ]; then
    packages="$packages dpkg-dev debhelper lintian"
elif [ "${1:-}" = windows ]; then
    packages="$packages dpkg-dev ninja-build g++-mingw-w64-x86-64-posix \
mingw-w64-tools binutils-mingw-w64-x86-64 nsis zip unzip wine wine64 \
xvfb xauth x11-utils"
fi

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    if [ "$(id -u)" -eq 0 ]; then
        as_root=""
    else
        as_root="sudo"
    fi
    echo "Installing:$missing"
    # Through apt-get.sh, which waits while another package manager (the
    # automatic updates, at a new machine's first boot) holds apt's lock.
    apt_get="$(dirname "$0")/apt-get.sh"
    $as_root sh "$apt_get" update
    $as_root env DEBIAN_FRONTEND=noninteractive \
        sh "$apt_get" install -y --no-install-recommends $missing
fi
