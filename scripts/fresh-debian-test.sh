#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
#
# Runs the README's test command, "sh scripts/test.sh", inside a fresh
# minimal Debian 12 root, as a new user's machine would run it: nothing is
# there but what debootstrap's minimal variant puts in and what the project's
# own scripts install. The sources are the checkout's committed files with
# any uncommitted changes to them (git archive), not files git does not know.
#
#   sh scripts/fresh-debian-test.sh              the test command
#   sh scripts/fresh-debian-test.sh CMD ARGS...  another command in the root
#
# Needs root (it asks sudo otherwise) and Debian's debootstrap, which it
# installs if missing. The bare root debootstrap makes is kept in
# $ZAKAT_FRESH_CACHE (default /var/cache/zakat-fresh-debian) and copied for
# each run, so later runs start in seconds; a kept root that is older than a
# week, was made differently or fails its checks is made again. Downloaded
# packages are kept there too, so they are not fetched again; they are
# installed afresh every run.
#
# The root's mounts (/dev, /dev/pts, /proc, /sys) live in a mount namespace
# of their own that ends with the run, and the root itself is removed on the
# way out, whether the tests pass, fail or the run is interrupted.
set -eu
cd "$(dirname "$0")/.."
sources=$(pwd -P)

if [ "$(id -u)" -ne 0 ]; then
    exec sudo -E sh "$sources/scripts/fresh-debian-test.sh" "$@"
fi

suite=bookworm
variant=minbase
# Changing how the kept root is made changes this key, and the root is made again.
recipe="1 $suite $variant"
max_age_days=7
cache=${ZAKAT_FRESH_CACHE:-/var/cache/zakat-fresh-debian}
base=$cache/$suite-$variant
debs=$cache/debs
lock=$cache/lock

log() { printf '[fresh-debian] %s\n' "$*" >&2; }

for tool in debootstrap unshare chroot git; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        log "installing debootstrap, util-linux and git"
        sh "$sources/scripts/apt-get.sh" update
        DEBIAN_FRONTEND=noninteractive sh "$sources/scripts/apt-get.sh" install -y \
            --no-install-recommends debootstrap util-linux git ca-certificates
        break
    fi
done

mkdir -p "$cache" "$debs"

# A kept root is trusted only when it was finished (its stamp is written
# last), made by this recipe and debootstrap version, is not stale, and its
# package manager still runs inside it.
base_is_sound() {
    stamp=$base/.zakat-fresh-stamp
    [ -f "$stamp" ] || return 1
    [ "$(cat "$stamp")" = "$recipe $(dpkg-query -W -f='${Version}' debootstrap)" ] || return 1
    [ -z "$(find "$stamp" -mtime +"$max_age_days")" ] || return 1
    chroot "$base" /usr/bin/dpkg --audit >/dev/null 2>&1 || return 1
    [ -z "$(chroot "$base" /usr/bin/dpkg --audit 2>&1)" ] || return 1
    chroot "$base" /usr/bin/apt-get --version >/dev/null 2>&1 || return 1
}

make_base() {
    log "making a minimal Debian 12 root with debootstrap"
    rm -rf --one-file-system "$base.new" "$base"
    # debootstrap mounts /proc and /sys in the root while it works; its own
    # mount namespace takes them away whatever happens to it.
    unshare --mount --propagation private \
        debootstrap --variant="$variant" "$suite" "$base.new"
    chroot "$base.new" /usr/bin/apt-get clean
    printf '%s\n' "$recipe $(dpkg-query -W -f='${Version}' debootstrap)" \
        > "$base.new/.zakat-fresh-stamp"
    mv "$base.new" "$base"
}

work=""
runner=""
cleanup() {
    status=$?
    trap - EXIT INT TERM HUP
    if [ -n "$runner" ] && kill -0 "$runner" 2>/dev/null; then
        # unshare ignores SIGINT and SIGTERM while it waits; killed, it takes
        # the namespace's first process with it, and that every process in
        # the namespace.
        kill -KILL "$runner" 2>/dev/null || true
        wait "$runner" 2>/dev/null || true
    fi
    if [ -n "$work" ] && [ -d "$work" ]; then
        # The mounts went with their namespace; should one have leaked into
        # this one, it is taken away before anything is removed, and removal
        # never crosses into another file system.
        if grep -q " $work/" /proc/self/mountinfo; then
            umount -R -l "$work/root" 2>/dev/null || true
        fi
        rm -rf --one-file-system "$work"
        log "removed $work"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# A run killed outright leaves its root behind: the next run removes it.
for old in /var/tmp/zakat-fresh.*; do
    [ -d "$old" ] || continue
    owner=$(cat "$old/pid" 2>/dev/null || echo 0)
    if [ "$owner" -gt 0 ] && kill -0 "$owner" 2>/dev/null; then
        continue
    fi
    if ! grep -q " $old/" /proc/self/mountinfo; then
        log "removing $old, left by an interrupted run"
        rm -rf --one-file-system "$old"
    fi
done

work=$(mktemp -d /var/tmp/zakat-fresh.XXXXXX)
echo $$ > "$work/pid"
root=$work/root

(
    flock 9
    if ! base_is_sound; then
        make_base
        base_is_sound || { log "the new root fails its own checks"; exit 1; }
    fi
    log "copying the kept root"
    cp -a "$base" "$root"
) 9>"$lock"
rm -f "$root/.zakat-fresh-stamp"

# The sources: what git tracks, with uncommitted changes to those files.
tree=$(git stash create 2>/dev/null || true)
mkdir -p "$root/root/zakat"
git archive "${tree:-HEAD}" | tar -x -C "$root/root/zakat"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

if [ $# -eq 0 ]; then
    set -- sh scripts/test.sh
fi

log "running in $root: $*"
started=$(date +%s)
unshare --mount --propagation private --pid --fork --kill-child \
    sh -eu -c '
        root=$1; debs=$2; shift 2
        mount --bind /dev "$root/dev"
        mount --bind /dev/pts "$root/dev/pts"
        mount -t proc proc "$root/proc"
        mount -t sysfs sysfs "$root/sys"
        mount --bind "$debs" "$root/var/cache/apt/archives"
        exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
            PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
            CI="${CI:-}" DEBIAN_FRONTEND=noninteractive \
            sh -c "cd /root/zakat && exec \"\$@\"" sh "$@"
    ' sh "$root" "$debs" "$@" </dev/null &
runner=$!
status=0
wait "$runner" || status=$?
runner=""
log "finished with status $status after $(( $(date +%s) - started )) s"
exit "$status"
