#!/usr/bin/env bash
# Rebuilds Orvane's pictures (splash, About picture, icons) from tools/art/make_art.cpp and
# writes them into res/. The build does not do this: the pictures are kept in the repository,
# so run this after changing the drawing and commit the new files with it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${ORVANE_ART_BUILD:-$here/build-art}"
cmake -S "$here/tools/art" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target orvane-art
"$build/orvane-art" "$here/res"
