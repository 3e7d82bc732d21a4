#!/usr/bin/env bash
# Takes the user guide's pictures from the current code: builds the program, its standard
# plug-ins and the picture program, runs it under Wine at 96 dpi in a prefix and on a
# virtual display of its own, and leaves the pictures in build/win64/dist/guide/, where
# the release zip takes them from, and checks them against the guide. The test run takes
# them the same way before it checks them. Ends with the pictures' sizes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
PTR_TARGETS="guide_pictures_wine guide_check_wine" "$root/scripts/build.sh" win64

. "$root/scripts/wine-env.sh"
unset DISPLAY
ptr_display
ptr_wine_prefix "${PTR_GUIDE_WINEPREFIX:-$root/build/guide-wineprefix}"
trap ptr_wine_stop EXIT
"$PTR_WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null

results="$root/build/win64/test-results"
mkdir -p "$results"
"$PTR_WINE" "$root/build/win64/tests-bin/guide_pictures_wine.exe" --gtest_brief=1 --gtest_filter="Guide/Shot.*" \
  --gtest_output="xml:Z:$results/guide_pictures_wine.xml"
# The guide and the pictures agree: none missing, none too large.
"$PTR_WINE" "$root/build/win64/tests-bin/guide_check_wine.exe" --gtest_brief=1 \
  --gtest_output="xml:Z:$results/guide_check_wine.xml"
du -b "$root/build/win64/dist/guide/"*.png | awk '{ total += $1; printf "%7d  %s\n", $1, $2 } END { printf "%7d  in all\n", total }'
