#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real game on a real Wayland compositor: weston, headless, with no
# settings file. The game runs natively there (Qt's Wayland plug-in), makes
# one top-level surface only, and shows its labyrinth with the language
# window inside the main window.
#   wayland.sh GAME SCREEN_PROBE
set -euo pipefail
game="$1"
probe="$2"
work="$(mktemp -d)"
trap 'kill $game_pid $weston_pid 2>/dev/null || true; rm -rf "$work"' EXIT
game_pid=0
mkdir -m 700 "$work/runtime" "$work/config" "$work/shots"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
socket="tarnwick-$$"

weston --backend=headless-backend.so --use-pixman --width=1280 --height=1024 --socket="$socket" --debug \
  --idle-time=0 > "$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { echo "weston did not start"; cat "$work/weston.log"; exit 1; }
export WAYLAND_DISPLAY="$socket"

WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland "$game" > "$work/game.out" 2> "$work/game.log" &
game_pid=$!

# The game's window: a run of its tool bar's dark wood, 594 pixels long.
toolbar=3b2a1e
found=""
for _ in $(seq 40); do
  sleep 0.5
  (cd "$work/shots" && weston-screenshooter > /dev/null 2>&1) || continue
  shot="$(ls -t "$work"/shots/*.png 2>/dev/null | head -1)"
  [ -n "$shot" ] || continue
  found="$("$probe" locate "$shot" "$toolbar" 594 || true)"
  [ -n "$found" ] || continue
  read -r x y <<< "$found"
  # The language window's caption, centred in the main window's client area.
  [ "$("$probe" pixel "$shot" $((x + 136)) $((y + 147)))" = 2e1c0f ] && break
  found=""
done
[ -n "$found" ] || { echo "no game window with its language window on the compositor"; tail -5 "$work/game.log"; exit 1; }
echo "game window at $x,$y on weston"

colours=$("$probe" colours "$shot" "$x" $((y + 33)) 594 100)
echo "labyrinth colours: $colours"
[ "$colours" -gt 20 ] || { echo "the labyrinth was not painted"; exit 1; }
parchment="$("$probe" pixel "$shot" $((x + 136 + 1 + 4)) $((y + 147 + 1 + 22 + 4)))"
[ "$parchment" = efe3c6 ] || { echo "the language window shows $parchment, not parchment"; exit 1; }

toplevels=$(grep -c "get_toplevel(" "$work/game.log" || true)
echo "top-level surfaces: $toplevels"
[ "$toplevels" -eq 1 ] || { echo "the game made $toplevels top-level surfaces, not one"; exit 1; }
echo "the game runs natively on Wayland in one window"
