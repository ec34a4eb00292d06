#!/bin/sh
# Screenshots of the PIN wizard's pages and viewer under Xvfb, as PNG files in OUT_DIR.
# usage: tests/pins/screenshots.sh BUILD_DIR OUT_DIR   (BUILD_DIR: an i686 build with tests)
set -e
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
prefix="$build/wineprefix-x11"
"$root/cmake/wine-prefix" "$prefix" x11
cmake --build "$build" --target pins_screenshots -j2 >/dev/null
export WINEPREFIX="$prefix" WINEDEBUG=-all LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
xvfb-run -a -s "-screen 0 1024x768x24" \
  wine "$build/tests/pins/pins_screenshots.exe" "Z:$out"
for bmp in "$out"/*.bmp; do
  convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
done
ls "$out"
