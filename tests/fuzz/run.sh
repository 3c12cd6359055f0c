#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
# Builds the number fuzzer with clang++ (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) in its own build folder and runs it.
#
#   sh tests/fuzz/run.sh [seconds]   fuzz for that long (default 600), one job
#   sh tests/fuzz/run.sh --merge     fold what earlier runs found into
#                                    tests/fuzz/corpus, minimized
#
# New inputs are collected in the build folder, never straight into the kept
# corpus; a broken property leaves a crash-* file in the build folder.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${ZAKAT_FUZZ_BUILD:-$root/build-fuzz}
compiler=${CXX_FUZZ:-clang++}

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER="$compiler" -DZAKAT_FUZZ=ON \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target fuzz_numbers
fuzzer=$build/tests/fuzz/fuzz_numbers
found=$build/fuzz-found
mkdir -p "$found"

if [ "${1:-}" = "--merge" ]; then
    merged=$build/fuzz-merged
    rm -rf "$merged"
    mkdir -p "$merged"
    # The hand-written seed-* inputs stay whatever their coverage: each holds
    # one case of the reader's contract the checks must keep seeing.
    cp "$here"/corpus/seed-* "$merged/"
    "$fuzzer" -merge=1 -max_len=1024 "$merged" "$here/corpus" "$found"
    rm -f "$here"/corpus/*
    cp "$merged"/* "$here/corpus/"
    echo "corpus: $(ls "$here/corpus" | wc -l) files, $(du -sk "$here/corpus" | cut -f1) KiB"
    exit 0
fi

# One job, so that the rest of a small machine keeps working; libFuzzer
# writes that job's log to fuzz-0.log in the build folder.
cd "$build"
rm -f fuzz-0.log
status=0
"$fuzzer" -max_total_time="${1:-600}" -jobs=1 -workers=1 -max_len=1024 \
    -dict="$here/numbers.dict" -print_final_stats=1 "$found" "$here/corpus" || status=$?
grep -E '^(number property broken|==[0-9]+==ERROR|#[0-9]+[[:space:]]+DONE|Done |stat::)' fuzz-0.log || true
if ls crash-* leak-* timeout-* oom-* >/dev/null 2>&1; then
    echo "fuzz findings kept in $build:"
    ls crash-* leak-* timeout-* oom-* 2>/dev/null || true
    exit 1
fi
exit "$status"
