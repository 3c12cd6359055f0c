#!/bin/sh
# Sets up what is missing, builds the program and starts it.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh
exec build/zakat
