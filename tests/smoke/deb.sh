#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: built with CPack, its dependencies named, checked by
# lintian, its changelog naming its version, unpacked into a scratch root,
# and the game in it started from /usr/games.
#   deb.sh BUILD_FOLDER
set -euo pipefail
build="$(cd "$1" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" > "$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log"; exit 1; }
deb="$(ls "$work"/package/tarnwick_*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for needed in libqt6gui6 qt6-wayland libqt6multimedia6 libqt6widgets6 libavformat fonts-liberation; do
  grep -q "$needed" <<< "$depends" || { echo "the package does not depend on $needed"; exit 1; }
done

# Debian's checks: not one error or warning (an override only with a
# comment that says why).
lintian --fail-on error,warning "$deb" || { echo "lintian finds fault with the package"; exit 1; }
echo "lintian: no errors, no warnings"

dpkg -x "$deb" "$work/root"
version="$(dpkg-deb -f "$deb" Version)"
doc="$work/root/usr/share/doc/tarnwick"
gunzip -c "$doc/changelog.Debian.gz" > "$work/changelog"
logged="$(dpkg-parsechangelog -l "$work/changelog" -S Version)"
[ "$logged" = "$version" ] || {
  echo "the package is $version, its changelog's newest entry $logged"; exit 1; }
"$here/installed.sh" "$work/root/usr/games/tarnwick"
