#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots of the real game's labyrinth, door room and riddle room, on X11
# (Xvfb) and on Wayland (weston, headless), at zoom 1, zoom 2 and full
# screen, for looking at them at 1:1.
#   tour.sh BUILD_FOLDER OUTPUT_FOLDER
set -euo pipefail
build="$(cd "$1" && pwd)"
mkdir -p "$2"
out="$(cd "$2" && pwd)"
tour="$build/bin/scene_tour"
probe="$build/tests/smoke/screen_probe"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"

# Runs the tour on the display set up, shooting each stop with `shoot`.
walk() {
  local platform="$1" size="$2"
  coproc TOUR { QT_QPA_PLATFORM="$platform" "$tour" "$size" 2> "$work/tour.log"; }
  local pid="$TOUR_PID" from="${TOUR[0]}" to="${TOUR[1]}"
  while read -r -u "$from" word stop; do
    [ "$word" = STOP ] || continue
    sleep 0.7
    shoot "$out/$platform-$size-$stop.png"
    echo go >&"$to"
  done
  wait "$pid" || true
}

# X11: a display of its own, no window manager.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
shoot() { QT_QPA_PLATFORM=xcb "$probe" grab "$1"; }
for size in 1 2 full; do walk xcb "$size"; done
unset DISPLAY

# Wayland: weston, headless.
weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 --socket=tarnwick-tour --debug \
  --idle-time=0 > "$work/weston.log" 2>&1 &
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/tarnwick-tour" ] && break; sleep 0.1; done
export WAYLAND_DISPLAY=tarnwick-tour
mkdir "$work/shots"
shoot() {
  (cd "$work/shots" && weston-screenshooter > /dev/null 2>&1)
  mv "$(ls -t "$work"/shots/*.png | head -1)" "$1"
}
for size in 1 2 full; do walk wayland "$size"; done
ls "$out"
