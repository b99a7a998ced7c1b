#!/usr/bin/env bash
# Configures and builds Orvane in build/ (or the folder in ORVANE_BUILD).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${ORVANE_BUILD:-$here/build}"
"$here/scripts/deps.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build"
