#!/usr/bin/env bash
# Installs what building, running and testing need on a Debian 12 machine; the names
# given add what only some commands need:
#   fuzz     clang and its fuzzing runtime (scripts/fuzz.sh)
#   package  zip (the release zips)
#   look     xdotool, to drive a virtual display by hand
#   screens  chromium, for scripts/guide-screens.sh
# Safe to run again: it installs only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ make
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  googletest libgtest-dev
  wine64 xvfb x11-utils xclip
  fonts-ipafont-gothic fonts-ipafont-mincho locales
  imagemagick   # the guide's pictures written small
)
for group in "$@"; do
  case "$group" in
    fuzz)    packages+=(clang libclang-rt-14-dev) ;;
    package) packages+=(zip) ;;
    look)    packages+=(xdotool) ;;
    screens) packages+=(chromium) ;;
    *) echo "setup: unknown group $group" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine must see code page 932, as on a Japanese Windows.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating ja_JP.UTF-8"
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
