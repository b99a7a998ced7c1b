#!/usr/bin/env bash
# Reads the calculator's results back from the screen: the fourteen calculator modes of the
# layout walk (each after its worked example) are played on the Qt host with the program drawn
# three times larger (QT_SCALE_FACTOR=3), a picture of each shown result field is taken as it is
# on the screen, and an OCR tool must read from it the text the field holds. What a drive script
# compares in a field's text, this compares in the pixels a pilot looks at.
#
#   read_results.sh ORVANE-DRIVE WALK.drive WORK-FOLDER
#
# Skipped (exit 77) when tesseract is not installed.
set -euo pipefail
drive="$1"
walk="$2"
work="$3"
if ! command -v tesseract >/dev/null 2>&1; then
    echo "read_results: tesseract is not installed; skipped"
    exit 77
fi
rm -rf "$work"
mkdir -p "$work"

# The walk up to its calculator modes, with the result fields listed and pictured after each
# Calculate.
awk -v dir="$work" '
    /^# ---- Great circle/ { exit }
    /^menu 400/ { mode = $2 }
    { print }
    /^click 1004/ && mode != "" {
        print "dump"
        print "shot " dir "/" mode "-1012.png 1012"
        print "shot " dir "/" mode "-1007.png 1007"
    }' "$walk" >"$work/results.drive"
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=3 "$drive" --host qt "$work/results.drive" \
    >"$work/results.out"

# Each visible result field with a text, "MODE ID TEXT", from the dumps in the order played.
grep '^menu 400' "$work/results.drive" | awk '{print $2}' >"$work/modes"
awk 'NR == FNR { modes[++m] = $0; next }
    /^title: / { mode = modes[++n] }
    /^  (1012|1007) edit visible "/ {
        id = $1
        text = $0
        sub(/^[^"]*"/, "", text)
        sub(/"$/, "", text)
        if (text != "") print mode, id, text
    }' "$work/modes" "$work/results.out" >"$work/fields"

failed=0
readback=0
while read -r mode id text; do
    got="$(tesseract "$work/$mode-$id.png" - --psm 7 2>/dev/null | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')"
    if [ "$got" = "$text" ]; then
        echo "mode $mode field $id: read \"$got\""
        readback=$((readback + 1))
    else
        echo "mode $mode field $id: holds \"$text\", read \"$got\""
        failed=$((failed + 1))
    fi
done <"$work/fields"
modes="$(cut -d' ' -f1 "$work/fields" | sort -u | wc -l)"
echo "$readback fields read in $modes modes, $failed misread"
[ "$modes" -eq 14 ] && [ "$failed" -eq 0 ]
