#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
#
# Runs apt-get with the arguments given, waiting while another package
# manager holds apt's or dpkg's lock instead of failing at once: at a new
# machine's first boot the automatic updates often do, for minutes.
#   sh scripts/apt-get.sh update
#   sh scripts/apt-get.sh install -y --no-install-recommends PACKAGE...
# apt-get waits for dpkg's lock itself (DPkg::Lock::Timeout), but not for
# the lock of the package lists ("update") or of the download folder: when
# it stops on one of those, it is run again every 15 s. After
# $ZAKAT_APT_WAIT seconds (by default 1800) it gives up, saying so.
set -eu

limit=${ZAKAT_APT_WAIT:-1800}
deadline=$(( $(date +%s) + limit ))
errors=$(mktemp)
status_file=$(mktemp)
trap 'rm -f "$errors" "$status_file"' EXIT

said=""
while :; do
    left=$(( deadline - $(date +%s) ))
    [ "$left" -gt 0 ] || left=0
    echo 0 >"$status_file"
    # apt-get's errors are shown as they come and kept, to tell a lock
    # failure from any other; its messages are read untranslated.
    { { LC_ALL=C.UTF-8 apt-get -o DPkg::Lock::Timeout="$left" "$@" 2>&1 1>&3 3>&- \
            || echo "$?" >"$status_file"; } | tee "$errors" >&2; } 3>&1
    status=$(cat "$status_file")
    [ "$status" -ne 0 ] || exit 0
    if ! grep -Eq '^E: (Could not get lock|Unable to lock|Unable to acquire the dpkg frontend lock)' "$errors"; then
        exit "$status"
    fi
    if [ "$(date +%s)" -ge "$deadline" ]; then
        echo "apt-get.sh: gave up after $limit s: another package manager still holds" \
            "the lock named above. Let it finish (or stop it), then run this again;" \
            "ZAKAT_APT_WAIT=<seconds> waits longer." >&2
        exit "$status"
    fi
    if [ -z "$said" ]; then
        echo "apt-get.sh: another package manager holds the lock named above;" \
            "trying again every 15 s, for up to $limit s in all" >&2
        said=yes
    fi
    pause=$(( deadline - $(date +%s) ))
    [ "$pause" -le 15 ] || pause=15
    sleep "$pause"
done
