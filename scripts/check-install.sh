#!/usr/bin/env bash
# Installs a configured build folder into a temporary root and checks that every file Orvane
# needs at run time, and every file a Debian package needs, is in its place. Where the tools are
# installed (scripts/deps.sh installs them) it also checks the desktop entry with
# desktop-file-validate, the AppStream metadata with appstreamcli, and makes the Debian package
# and checks it with lintian: any error or warning fails.
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
metainfo="$data/metainfo/org.example.orvane.metainfo.xml"
icon_sizes=(16 24 32 48 64 128 256)
expected=(
    "$data/orvane/Orvane_splash.bmp"
    "$data/orvane/about.bmp"
    "$data/orvane/WMM.COF"
    "$data/icons/hicolor/scalable/apps/orvane.svg"
    "$data/applications/orvane.desktop"
    "$metainfo"
    "$data/doc/orvane/copyright"
    "$data/doc/orvane/changelog.gz"
)
for n in "${icon_sizes[@]}"; do
    expected+=("$data/icons/hicolor/${n}x${n}/apps/orvane.png")
done
for program in orvane orvane-help orvane-drive; do
    expected+=("$data/man/man1/$program.1.gz")
done
for page in orvane.htc hold.htp truealt.htp logbook.htp latlon.htp airspeed.htp critp.htp \
    pnr.htp wbal.htp conversions.htp aircraft.htp; do
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
# Each icon is as large as its folder says: a PNG's width and height are the big-endian words
# at bytes 16 and 20.
for n in "${icon_sizes[@]}"; do
    png="$data/icons/hicolor/${n}x${n}/apps/orvane.png"
    [ -s "$png" ] || continue
    read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
    if [ "$width" != "$n" ] || [ "$height" != "$n" ]; then
        echo "check-install: ${png#"$root"} is ${width}x${height}" >&2
        missing=1
    fi
done
# The version is the same in the build, the changelog and the release the metadata announces.
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
if [ -s "$data/doc/orvane/changelog.gz" ]; then
    logged="$(gzip -dc "$data/doc/orvane/changelog.gz" | sed -n '1s/^orvane (\([^)]*\)).*/\1/p')"
    if [ "$logged" != "$version" ]; then
        echo "check-install: the changelog's last entry is $logged, the build is $version" >&2
        missing=1
    fi
fi
if [ -s "$metainfo" ]; then
    released="$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)"
    if [ "$released" != "$version" ]; then
        echo "check-install: the metadata's last release is $released, the build is $version" >&2
        missing=1
    fi
    # Software centres start the program through the desktop entry the metadata names.
    launchable="$(sed -n 's/.*<launchable type="desktop-id">\([^<]*\)<.*/\1/p' "$metainfo")"
    if [ -z "$launchable" ] || [ ! -s "$data/applications/$launchable" ]; then
        echo "check-install: the metadata launches '$launchable', which is not installed" >&2
        missing=1
    fi
fi
if ! cmp -s "$here/res/WMM.COF" "$data/orvane/WMM.COF"; then
    echo "check-install: the installed magnetic model differs from res/" >&2
    missing=1
fi
# Programs, when their rules install them.
for program in orvane orvane-help orvane-drive; do
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

# The validators, each where it is installed.
failed=0
if command -v desktop-file-validate >/dev/null; then
    # It exits 0 after warnings and hints, so any remark at all fails the check.
    if desktop-file-validate "$data/applications/orvane.desktop" >"$root/desktop.log" 2>&1 &&
        [ ! -s "$root/desktop.log" ]; then
        echo "check-install: desktop-file-validate: the desktop entry is valid"
    else
        cat "$root/desktop.log" >&2
        failed=1
    fi
else
    echo "check-install: note: desktop-file-validate is not installed (desktop-file-utils)"
fi
if command -v appstreamcli >/dev/null; then
    # --no-net: the addresses in the metadata are not fetched, so that the check works offline;
    # --strict: a warning or a remark fails it too.
    if appstreamcli validate --no-net --strict --pedantic "$metainfo" >"$root/appstream.log" 2>&1; then
        echo "check-install: appstreamcli: the metadata is valid"
    else
        cat "$root/appstream.log" >&2
        failed=1
    fi
else
    echo "check-install: note: appstreamcli is not installed (appstream)"
fi
# The package is checked as it is shipped: made from a normal build with the program in it, not
# from a sanitizer build or one without the Qt program.
sanitized="$(sed -n 's/^ORVANE_SANITIZE:BOOL=//p' "$build/CMakeCache.txt")"
if [ "$sanitized" = "ON" ] || [ ! -e "$root/usr/bin/orvane" ]; then
    echo "check-install: note: no package check for a build without the program or with sanitizers"
elif command -v lintian >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
    if ! cpack --config "$build/CPackConfig.cmake" -B "$root/package" >"$root/cpack.log" 2>&1; then
        cat "$root/cpack.log" >&2
        echo "check-install: cpack failed" >&2
        exit 1
    fi
    package="$(ls "$root/package"/orvane_*.deb)"
    if lintian --fail-on error,warning "$package" >"$root/lintian.log" 2>&1; then
        echo "check-install: lintian: no error and no warning in ${package##*/}"
    else
        echo "check-install: lintian found errors or warnings in ${package##*/}:" >&2
        failed=1
    fi
    # lintian says that it prefers not to run as root; that remark is not about the package.
    grep -v '^running with root privileges is not recommended!$' "$root/lintian.log" >&2 || true
else
    echo "check-install: note: lintian or dpkg-shlibdeps is not installed (lintian, dpkg-dev)"
fi
exit "$failed"
