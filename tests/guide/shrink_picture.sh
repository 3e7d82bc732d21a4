#!/bin/sh
# Writes a window's picture small for the user guide: RAW to SMALL as a palette PNG of
# the window's own colours (no dithering: text stays sharp), without metadata. The file
# appears whole, under its name, only once it is written.
set -e
convert "$1" -strip +dither -colors 256 -define png:compression-level=9 "PNG8:$2.part"
mv "$2.part" "$2"
