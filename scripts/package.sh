#!/usr/bin/env bash
# Builds the release zips: build/win32/Porterica-<version>-i686.zip (the release) and
# build/win64/Porterica-<version>-x86_64.zip, each with the user guide's pictures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" package
"$root/scripts/build.sh" win32 win64
# The guide's pictures, taken again from this code.
"$root/scripts/guide-pictures.sh"
for t in win32 win64; do
  cmake --build "$root/build/$t" --target package_zip
  ls -1 "$root/build/$t"/Porterica-*.zip
done
