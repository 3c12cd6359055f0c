#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
# Builds the benchmarks in release mode in their own build folder and prints
# the table: headless (offscreen) always, and under Xvfb with the X11 plugin
# too when xvfb-run is installed. Extra arguments go to bench_table, e.g.
#   bench/run.sh --runs 50 --sections startup,memory
#   bench/run.sh --compare /tmp/bench-before/build-bench --compare-label before
# The last runs another build's programs (built beforehand, see README.md) in
# turn with these, so that both builds' figures come from the same run.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZAKAT_BENCH_BUILD:-"$root/build-bench"}

previous=
for argument in "$@"; do
  if [ "$previous" = --compare ] && [ ! -x "$argument/zakat_startup" ]; then
    echo "run.sh: no benchmark programs built in $argument" >&2
    exit 2
  fi
  previous=$argument
done

cmake -S "$root/bench" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target zakat_bench zakat_startup bench_floor bench_table >/dev/null

# The fixed locale of the tests, so that numbers are written the same way.
export LC_ALL=C.UTF-8 LANG=C.UTF-8
: > "$build/children.log"

echo "== offscreen =="
QT_QPA_PLATFORM=offscreen "$build/bench_table" "$@"

if command -v xvfb-run >/dev/null 2>&1; then
  echo
  echo "== xcb under Xvfb =="
  # From display :271 upwards, away from :99, where other xvfb-run users of a
  # shared machine start, so that no other run takes or ends our server.
  QT_QPA_PLATFORM=xcb xvfb-run -a -n 271 -s "-screen 0 1280x1024x24" "$build/bench_table" "$@"
fi
