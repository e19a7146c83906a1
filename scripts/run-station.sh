#!/usr/bin/env bash
# Sets up a fresh machine, builds, and starts the station against the built-in simulator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/src/shell/vtstation --simulate --open "$@"
