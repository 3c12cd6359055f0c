#!/bin/sh
# Sets up what is missing, builds the program and runs every test headless.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
