#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
# Sets up what is missing, builds the program and runs every test headless:
# once as built for users, in the Debian package's own build, which runs the
# whole suite before it packs the program (so the program is compiled once
# for it, not once for the tests and again for the package), and fails on
# any error or warning lintian finds in the package; then once more under
# AddressSanitizer and UndefinedBehaviorSanitizer, where any undefined
# behaviour fails the test, together with the long randomized run (the
# "long" configuration).
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh package

sh scripts/package.sh
lintian --fail-on error,warning --display-info build-deb/zakat_*.changes

cmake -S . -B build-sanitize -DZAKAT_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-sanitize -j"$(nproc)"
cd build-sanitize
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
QT_QPA_PLATFORM=offscreen ctest -C long --output-on-failure
