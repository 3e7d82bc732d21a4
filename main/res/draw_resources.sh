#!/usr/bin/env bash
# Draws the program's pictures with ImageMagick: the tray/window icon, the splash
# window's colour strip and the information page's picture. The results are kept in
# the repository; run this again only to change them.
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
font=/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf

# clipboard SIZE OUT: a brown board, a sheet with lines of text and a metal clip.
clipboard() {
  local s=$1 out=$2
  local f; f=$(awk "BEGIN{print $s/32}")
  p() { awk "BEGIN{printf \"%d\", $1*$f + 0.5}"; }
  convert -size "${s}x${s}" xc:none \
    -fill '#9a6a3a' -stroke '#5c3a1a' -strokewidth "$(awk "BEGIN{print ($s<=16)?1:1.5}")" \
    -draw "roundrectangle $(p 4),$(p 3) $(p 27),$(p 30) $(p 3),$(p 3)" \
    -fill white -stroke '#8a8a8a' -strokewidth 1 \
    -draw "rectangle $(p 7),$(p 7) $(p 24),$(p 27)" \
    -stroke '#3a78d8' -strokewidth "$(awk "BEGIN{print ($s<=16)?1:1.2}")" \
    -draw "line $(p 10),$(p 12) $(p 21),$(p 12)" \
    -draw "line $(p 10),$(p 16) $(p 21),$(p 16)" \
    -draw "line $(p 10),$(p 20) $(p 18),$(p 20)" \
    -stroke '#2e9a3e' -draw "line $(p 10),$(p 24) $(p 15),$(p 24)" \
    -fill '#d8dce4' -stroke '#50566a' -strokewidth 1 \
    -draw "roundrectangle $(p 11),$(p 1) $(p 20),$(p 6) $(p 1.5),$(p 1.5)" \
    "$out"
}

# 16 x 16 is drawn on its own pixel grid, so it stays sharp in the tray.
convert -size 16x16 xc:none \
  -fill '#9a6a3a' -stroke '#5c3a1a' -strokewidth 1 -draw 'roundrectangle 2,1 13,15 2,2' \
  -fill white -stroke '#8a8a8a' -draw 'rectangle 4,4 11,13' \
  -stroke '#3a78d8' -draw 'line 5,6 10,6' -draw 'line 5,8 10,8' -draw 'line 5,10 9,10' \
  -stroke '#2e9a3e' -draw 'line 5,12 7,12' \
  -fill '#d8dce4' -stroke '#50566a' -draw 'rectangle 5,0 10,3' \
  "$work/icon16.png"
# The sizes Windows asks for at 100 % to 200 % display scale (small and large icons).
sizes=(20 24 32 40 48)
icons=("$work/icon16.png")
for s in "${sizes[@]}"; do
  clipboard "$s" "$work/icon$s.png"
  icons+=("$work/icon$s.png")
done
convert "${icons[@]}" ptrmain.ico

# The splash bars: a colour circle along 320 pixels, so the rotated strip has no seam.
convert -size 320x1 xc: -colorspace HSL \
  -channel R -fx 'i/w' -channel G -fx '0.75' -channel B -fx '0.55' +channel \
  -colorspace sRGB -colors 256 -type Palette BMP3:splash_strip.bmp

# The information page: 317 x 121 pixels (its place on the page), sky gradient,
# the icon and the product's name.
clipboard 64 "$work/icon64.png"
convert -size 317x121 gradient:'#e8f2ff'-'#ffffff' \
  -fill '#c8dcf8' -stroke none -draw 'circle 285,18 340,18' \
  \( "$work/icon64.png" \) -geometry +18+24 -composite \
  -font "$font" -fill '#c0c0ff' -pointsize 30 -annotate +101+61 'ポルテリカ' \
  -fill '#2040c0' -pointsize 30 -annotate +99+59 'ポルテリカ' \
  -fill '#2e9a3e' -pointsize 14 -annotate +101+82 'Porterica' \
  -fill '#505868' -pointsize 12 -annotate +101+104 'クリップボードを見守る常駐ツール' \
  -type TrueColor BMP3:information.bmp
