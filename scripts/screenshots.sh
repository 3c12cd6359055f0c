#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Zakat Calculator authors
# Regenerates the pictures of every window in docs/screenshots/ from the
# program itself, headless: each window after a typical computation, drawn
# with the fonts the tests see.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh
mkdir -p docs/screenshots
FONTCONFIG_FILE="$(pwd)/build/tests/fonts.conf" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
    build/tests/screenshots/zakat_screenshots docs/screenshots
