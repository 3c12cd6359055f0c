#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
#
# Runs a Windows test program under Wine (64-bit): CTest's emulator when the
# tests are cross-built for Windows on Debian (scripts/windows.sh --test
# sets WINEPREFIX).
# Usage: wine-run.sh <folder of DLLs>... -- <program> [<argument>...]
# Wine keeps QT_* variables to itself and hands a Windows program only those
# spelt WINEQT_*, so each is passed on under that name; the same goes for
# PATH, where Windows looks for DLLs. Without a console Qt Test writes only
# to the debugger output: its messages go to stderr instead. Wine's own
# messages are left out.
set -eu
WINEPATH=""
while [ "$#" -gt 0 ] && [ "$1" != "--" ]; do
    WINEPATH="$WINEPATH${WINEPATH:+;}Z:$1"
    shift
done
[ "$#" -gt 0 ] && shift
export WINEPATH
QT_FORCE_STDERR_LOGGING=1
export QT_FORCE_STDERR_LOGGING
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "WINE$name=\$$name"
    export "WINE$name"
done
export WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$@"
