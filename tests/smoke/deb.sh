#!/bin/bash
# The Debian package: built with CPack, its dependencies named, unpacked
# into a scratch root, and the game in it started.
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
for needed in libqt6gui6 libqt6multimedia6 libqt6widgets6 libavformat fonts-liberation; do
  grep -q "$needed" <<< "$depends" || { echo "the package does not depend on $needed"; exit 1; }
done
dpkg -x "$deb" "$work/root"
"$here/installed.sh" "$work/root/usr/bin/tarnwick"
