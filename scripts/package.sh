#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
#
# Builds the Debian package with dpkg-buildpackage and leaves it in build-deb/.
# dpkg-buildpackage writes its results next to the tree it builds, so the
# build runs on a copy of the sources in build-deb/zakat-<version>/ and
# everything it writes stays inside the checkout. It runs the tests as part
# of the build unless DEB_BUILD_OPTIONS holds nocheck.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh package

version=$(dpkg-parsechangelog -S Version)
out=build-deb
tree=$out/zakat-$version
rm -rf "$out"
mkdir -p "$tree"

# The sources as they are in the checkout: in a git checkout the files git
# tracks plus new ones it does not ignore, otherwise everything but the build
# folders and what earlier package builds left behind.
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
    git ls-files -z --cached --others --exclude-standard \
        | xargs -0 sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh \
        | tar --null -T - -cf - | tar -xf - -C "$tree"
else
    tar -cf - --exclude=./.git --exclude='./build*' --exclude='./obj-*' \
        --exclude=./debian/.debhelper --exclude=./debian/zakat \
        --exclude=./debian/files --exclude='./debian/*.substvars' \
        --exclude=./debian/debhelper-build-stamp . | tar -xf - -C "$tree"
fi

# Built on every core, as the other builds are, unless DEB_BUILD_OPTIONS
# already says how many jobs (debhelper builds with one job otherwise).
case " ${DEB_BUILD_OPTIONS:-} " in
    *" parallel="*) ;;
    *) DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }parallel=$(nproc)" ;;
esac
export DEB_BUILD_OPTIONS
(cd "$tree" && dpkg-buildpackage -b -us -uc)
ls "$out"/zakat_"$version"_*.deb
