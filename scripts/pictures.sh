#!/usr/bin/env bash
# Remakes the README's pictures, docs/main-window.png, docs/dialog.png and docs/envelope.png, and
# the first two in Night (docs/main-window-night.png, docs/dialog-night.png): the script driver
# plays a short flight-planning session (Oxford to Exeter) on the Qt host, off screen, and saves
# the screen with its `shot` verb. docs/first-start-1920x1080.png is the main
# window as a pilot first sees it on a 1920 by 1080 screen: at the first start's zoom for that
# screen (1.75, the window about half the screen's height), pixel for pixel.
#
#   scripts/pictures.sh          builds in build/ (or the folder in ORVANE_BUILD) first;
#                                ORVANE_PICTURES_NO_BUILD=1 takes the build as it is
#
# The pictures are the device's 240 by 320 screen drawn at the window's zoom 2 (ORVANE_PICTURE_ZOOM
# to choose another), in the DejaVu faces the program asks for first.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${ORVANE_BUILD:-$here/build}"
if [ "${ORVANE_PICTURES_NO_BUILD:-}" != 1 ]; then
    "$here/scripts/build.sh"
fi

drive="$build/tools/orvane-drive"
if [ ! -x "$drive" ] || [ ! -x "$build/platform/qt/orvane" ]; then
    echo "pictures: $build has no Qt host (is Qt 6 installed?)" >&2
    exit 1
fi
if ! fc-list 2>/dev/null | grep -q "DejaVu Sans"; then
    echo "pictures: note: DejaVu Sans is not installed; the pictures use another face" >&2
fi

docs="$here/docs"
mkdir -p "$docs"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
zoom="${ORVANE_PICTURE_ZOOM:-2}"

# The first start on a 1920 by 1080 screen: the disclaimer accepted, nothing calculated yet.
sed "s|@DOCS@|$docs|g" >"$work/first-start.drive" <<'EOF'
zoom 1.75
start
tap
click 1
expect dialog 0
shot "@DOCS@/first-start-1920x1080.png"
menu 40002
EOF

sed -e "s|@DOCS@|$docs|g" -e "s|@ZOOM@|$zoom|g" >"$work/pictures.drive" <<'EOF'
zoom @ZOOM@
clock 2026-06-21
locale currency £
start
tap
click 1

# Oxford (51 50 N, 001 19 W) to Exeter (50 44 N, 003 25 W).
menu 40013
type 1037 51
type 1038 50
type 1039 00
type 1040 001
type 1041 19
type 1042 00
type 1033 50
type 1035 44
type 1036 00
type 1043 003
type 1029 25
type 1030 00
click 1034
ok

# Heading and ground speed at 110 kt TAS with the wind from 190 at 18 kt.
menu 40011
type 1016 110
type 1039 190
type 1040 18
click 1004
ok

# Fuel at 28 an hour, and the cost at 140 an hour.
menu 40039
type 1016 28
click 1004
ok
menu 40028
type 1016 140
click 1004
ok

# The loading sheet.
menu 40018
type 1074 1250
type 1075 85.0
type 1020 180
type 1076 95.0
type 1021 340
type 1077 80.5
type 1024 40
type 1010 142.0
ok

expect dialog 0
expect panel "True course:" 230°
expect panel "Gsp:" 96kt
shot "@DOCS@/main-window.png"

# The heading and ground speed dialog again, opened with the flight's values.
menu 40011
click 1004
expect dialog 106
expect text 1012 224°
shot "@DOCS@/dialog.png"
ok

# The aircraft with its limits: the loading of the sheet marked in its envelope.
menu 40041
type 1205 "Club C172"
click 1203
type 1206 2450
type 1207 "1500,80; 1950,80; 2450,86; 2450,93; 1500,93"
expect dialog 160
shot "@DOCS@/envelope.png"
ok

# The main window and the dialog at night (Ctrl+N), then back to Day.
key ctrl+n
expect shade night
shot "@DOCS@/main-window-night.png"
menu 40011
click 1004
shot "@DOCS@/dialog-night.png"
ok
key ctrl+n
expect shade day
menu 40002
expect exited 0
EOF

"$drive" --host qt "$work/pictures.drive" "$work/first-start.drive"
echo "pictures: wrote $docs/main-window.png, $docs/dialog.png, $docs/envelope.png, their Night pictures and $docs/first-start-1920x1080.png"
