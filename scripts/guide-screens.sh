#!/usr/bin/env bash
# Shows the user guide in a real browser, to look at: headless chromium opens the release
# folder's Readme.html (with the pictures scripts/guide-pictures.sh left beside it) at each
# chapter, as a screen 1000 pixels wide shows it at 100 % zoom and at 200 % zoom (half as
# many page pixels across, each drawn twice as large):
#   build/guide-screens/100-<chapter>.png, 200-<chapter>.png
# Not part of the tests: it needs chromium, which it installs when missing.
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

chapters=$(grep -o '<h2 id="[a-z-]*"' "$page/Readme.html" | cut -d'"' -f2)
for zoom in 100 200; do
  scale=$((zoom / 100))
  for chapter in top $chapters; do
    chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --force-device-scale-factor="$scale" \
      --window-size="$((1000 / scale)),$((1100 / scale))" --screenshot="$out/$zoom-$chapter.png" \
      "file://$page/Readme.html#$chapter" 2>/dev/null >/dev/null
  done
done
ls "$out"/*.png | wc -l | xargs echo "screens in $out:"
