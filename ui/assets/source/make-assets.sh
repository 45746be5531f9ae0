#!/usr/bin/env bash
# Makes every bitmap in ui/assets again: the dial and the icons drawn by make_bitmaps, and the
# photograph of a compass rendered by POV-Ray from compass.pov. Needs qt6-base-dev and povray.
set -euo pipefail
source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
assets=$(dirname "$source_dir")
repo=$(cd "$assets/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake -S "$repo" -B "$work/build" -DVELMORO_BUILD_ASSET_TOOLS=ON -DVELMORO_BUILD_TESTS=OFF >/dev/null
cmake --build "$work/build" --target make_bitmaps --parallel "$(nproc)" >/dev/null
QT_QPA_PLATFORM=offscreen "$work/build/ui/make_bitmaps" "$assets" "$work"

cp "$source_dir/compass.pov" "$work/"
render() {
    (cd "$work" && povray +Icompass.pov +O"$1" +W"$2" +H"$3" +FN8 -UA +A0.05 +AM2 +R3 -D -V >/dev/null 2>&1)
    cp "$work/$1" "$assets/$1"
}
render compass-photo.png 208 415
render compass-photo@2x.png 416 830
echo "bitmaps written to $assets"
