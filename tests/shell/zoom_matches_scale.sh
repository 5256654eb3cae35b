#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every scene of a game played through, drawn at zoom 2 and at
# QT_SCALE_FACTOR=2: the two sets of pictures are the same, file for file.
#   zoom_matches_scale.sh SCENE_SNAPSHOTS
set -euo pipefail
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$1" "$work/zoomed" 2 > /dev/null 2>&1
QT_SCALE_FACTOR=2 "$1" "$work/scaled" 1 > /dev/null 2>&1
count=0
for shot in "$work"/scaled/*.png; do
  name="$(basename "$shot")"
  cmp -s "$shot" "$work/zoomed/$name" || { echo "$name differs between zoom 2 and QT_SCALE_FACTOR=2"; exit 1; }
  count=$((count + 1))
done
[ "$count" -gt 100 ] || { echo "only $count pictures were drawn"; exit 1; }
echo "$count scenes drawn alike at zoom 2 and QT_SCALE_FACTOR=2"
