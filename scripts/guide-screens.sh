#!/usr/bin/env bash
# Shows the user guide in a real browser, to look at: headless chromium opens the release
# folder's Readme.html (with the pictures scripts/guide-pictures.sh left beside it) as a
# screen 1000 pixels wide shows it at 100 % zoom and at 200 % zoom (half as many page
# pixels across, each drawn twice as large), one screenful after another down the page:
#   build/guide-screens/100-01.png, 100-02.png, ..., 200-01.png, ...
# Each screenful is the guide in a frame moved up by the screens before it, so that the
# pictures have loaded and laid out whatever the position. Not part of the tests: it
# needs chromium, which it installs when missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" screens
pictures="$root/build/win64/dist/guide"
[ -d "$pictures" ] || { echo "no pictures in $pictures: run scripts/guide-pictures.sh first" >&2; exit 1; }

out="$root/build/guide-screens"
page="$out/page"
rm -rf "$out"
mkdir -p "$page"
cp "$root/dist/Readme.html" "$page/"
cp -r "$pictures" "$page/guide"

for zoom in 100 200; do
  scale=$((zoom / 100)) width=$((1000 * 100 / zoom)) height=$((1400 * 100 / zoom))
  for ((n = 1; n < 100; n++)); do
    frame="$page/screen.html"
    printf '<!DOCTYPE html><body style="margin:0;overflow:hidden"><iframe src="Readme.html" style="border:0;position:absolute;top:-%dpx;width:%dpx;height:100000px"></iframe>' \
      "$(((n - 1) * height))" "$width" > "$frame"
    shot=$(printf '%s/%d-%02d.png' "$out" "$zoom" "$n")
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --force-device-scale-factor="$scale" \
      --virtual-time-budget=3000 --window-size="$width,$height" --screenshot="$shot" "file://$frame" >/dev/null 2>&1
    # Past the end of the guide the screen is one colour: that one is not kept.
    if [ "$(convert "$shot" -format '%k' info:)" = 1 ]; then rm "$shot"; break; fi
  done
done
rm -rf "$page"
ls "$out"/*.png | wc -l | xargs echo "screens in $out:"
