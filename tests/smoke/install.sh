#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a scratch prefix: every file lands where the
# desktop looks for it; then the prefix is moved elsewhere and the moved game
# must still find its data and its sound module, show its rules and save
# for its user.
#   install.sh BUILD_FOLDER
set -euo pipefail
build="$1"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/first" > "$work/install.log"
missing=0
for f in bin/tarnwick bin/tarnwick-help \
         share/tarnwick/b{0,1,2,3,4,5,6,7,8}.bmp share/tarnwick/w{1,2,3,4,5,6,7,8,9,10,11}.wav \
         share/tarnwick/a1.avi share/tarnwick/TARN1.HLP share/tarnwick/FGAM.HLP \
         share/tarnwick/confusion{1,2,3}.tbl \
         share/applications/org.tarnwick.Tarnwick.desktop share/metainfo/org.tarnwick.Tarnwick.metainfo.xml \
         share/man/{,de/}man6/tarnwick{,-help}.6.gz \
         share/doc/tarnwick/{copyright,changelog.Debian.gz} \
         share/icons/hicolor/{16x16,22x22,32x32,48x48,64x64,128x128,256x256}/apps/org.tarnwick.Tarnwick.png; do
  [ -f "$work/first/$f" ] || { echo "not installed: $f"; missing=1; }
done
# The screenshots the metainfo names are the ones installed beside the
# copyright file, for publishing.
shots="$(grep -o 'https://tarnwick.org/screenshots/[^<]*' \
         "$work/first/share/metainfo/org.tarnwick.Tarnwick.metainfo.xml" || true)"
[ -n "$shots" ] || { echo "the metainfo names no screenshots"; missing=1; }
for shot in $shots; do
  [ -f "$work/first/share/doc/tarnwick/screenshots/${shot##*/}" ] || {
    echo "screenshot not installed: $shot"; missing=1; }
done
[ "$missing" -eq 0 ] || exit 1
# Nothing of the build's own leaks in: no saved games, no test programs.
extra="$(find "$work/first" -name '*.htk' -o -name '*_test' -o -name '*bench*')"
[ -z "$extra" ] || { echo "installed by mistake: $extra"; exit 1; }

mv "$work/first" "$work/moved"
"$here/installed.sh" "$work/moved/bin/tarnwick"
