#!/usr/bin/env bash
# Installs a configured build folder into a temporary root and checks that every file Orvane
# needs at run time is in its place.
#
#   scripts/check-install.sh [BUILD_FOLDER]      (default: build/)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT

cmake --install "$build" --prefix "$root/usr" >"$root/install.log" 2>&1 || {
    cat "$root/install.log" >&2
    echo "check-install: cmake --install failed" >&2
    exit 1
}

data="$root/usr/share"
expected=(
    "$data/orvane/Orvane_splash.bmp"
    "$data/orvane/about.bmp"
    "$data/icons/hicolor/32x32/apps/orvane.png"
    "$data/applications/orvane.desktop"
)
for page in orvane.htc hold.htp truealt.htp logbook.htp latlon.htp airspeed.htp critp.htp \
    pnr.htp wbal.htp conversions.htp; do
    expected+=("$data/orvane/help/$page")
done

missing=0
for file in "${expected[@]}"; do
    if [ ! -s "$file" ]; then
        echo "check-install: missing ${file#"$root"}" >&2
        missing=1
    fi
done
# The installed copies are the repository's files, byte for byte.
if ! cmp -s "$here/res/Orvane_splash.bmp" "$data/orvane/Orvane_splash.bmp"; then
    echo "check-install: the installed splash picture differs from res/" >&2
    missing=1
fi
# Programs, when their rules install them.
for program in orvane orvane-help; do
    if [ -e "$root/usr/bin/$program" ]; then
        echo "check-install: found /usr/bin/$program"
    else
        echo "check-install: note: /usr/bin/$program is not installed by the build"
    fi
done
if [ "$missing" -ne 0 ]; then
    exit 1
fi
echo "check-install: all ${#expected[@]} data files in place"
