#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts an installed game (its program given by path, its data folder
# beside it as installed) from an unrelated folder under Xvfb, as a user who
# cannot write the installed files, and checks that it finds its data and
# its sound module, shows its rules, and saves into the user's data folder.
#   installed.sh PROGRAM
set -euo pipefail
game="$(readlink -f "$1")"
work="$(mktemp -d)"
chmod 755 "$work"
xvfb_pid=0
game_pid=0
trap 'kill $game_pid $xvfb_pid 2>/dev/null || true; rm -rf "$work"' EXIT

[ -x "$game" ] || { echo "no program at $game"; exit 1; }
[ -x "$(dirname "$game")/tarnwick-help" ] || { echo "no help viewer beside $game"; exit 1; }

source "$(dirname "$0")/display.sh"
own_display "$work"
display="$DISPLAY"

# A player's own folders: settings with the language chosen, the window at
# a known place and the sound on, and an empty data folder.
home="$work/home"
mkdir -p "$home/config" "$home/elsewhere" "$home/runtime"
chmod 700 "$home/runtime"
printf '[Tarnwick]\ntongue=0\nleft=100\ntop=80\nsound=1\n' > "$home/config/mindcrate.ini"

# Not the owner of the installed files: root plays as nobody, anyone else
# finds the data folder write-protected.
run_as=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R 65534:65534 "$home"
  run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
  chmod -R a-w "$(dirname "$game")/../share/tarnwick"
fi

cd "$home/elsewhere"
start_game() {
  "${run_as[@]}" env -i PATH=/usr/bin:/bin DISPLAY="$display" QT_QPA_PLATFORM=xcb HOME="$home" \
    XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" \
    "$game" > "$work/game.log" 2>&1 &
  game_pid=$!
}
start_game
window="$(await_window "$game_pid" --name 'Tarnwick V1.3')"
# Now and then, with other X tests running, the game finds no display here
# although the server answers; a second start is allowed, and said.
if [ -z "$window" ] && grep -q "no display" "$work/game.log"; then
  echo "the game found no display at its first start; started again. It said:"
  sed 's/^/  /' "$work/game.log"
  sleep 1
  start_game
  window="$(await_window "$game_pid" --name 'Tarnwick V1.3')"
fi
[ -n "$window" ] || { echo "the installed game did not open its window"; cat "$work/game.log"; exit 1; }
# The splash goes with a click; then the story pages open for a new player
# and close with their tick button (without a window manager the main
# window's client area sits where the settings put it, and the story page
# in the middle of it).
sleep 0.5
xdotool mousemove 512 384 click 1
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 97 + 368 + 12)) $((Y + 55 + 268 + 12)) click 1
sleep 0.5
# The left arrow of row 2 (the labyrinth lies 33 pixels under the client
# area's top): the shift's sound loads the sound module from the installed
# module folder.
xdotool mousemove $((X + 27)) $((Y + 33 + 2 * 54 + 27)) click 1
sleep 1
prefix="$(dirname "$(dirname "$game")")"
grep -q " $prefix/.*/tarnwick_sound\.so\$" "/proc/$game_pid/maps" || {
  echo "the sound module was not loaded from $prefix"; cat "$work/game.log"; exit 1; }
# The save button, then Return in the save window: the game lands in the
# user's data folder.
xdotool mousemove $((X + 52 + 12)) $((Y + 4 + 12)) click 1
sleep 1
xdotool key Return
for _ in $(seq 50); do [ -f "$home/data/tarnwick/noname.htk" ] && break; sleep 0.1; done
[ "$(stat -c %s "$home/data/tarnwick/noname.htk" 2>/dev/null || echo 0)" -eq 112 ] || {
  echo "the game was not saved in the user's data folder"; ls -lR "$home"
  [ -z "${SNAPSHOT:-}" ] || "$SNAPSHOT" grab "$work/../failed-screen.png"
  cat "$work/game.log"; exit 1; }
# The rules button: the help viewer opens the game's rules (last: without a
# window manager its window covers the tool bar).
xdotool mousemove $((X + 509 + 12)) $((Y + 4 + 12)) click 1
viewer=""
for _ in $(seq 50); do
  viewer="$(xdotool search --name 'Rules of the game' 2>/dev/null | head -1 || true)"
  [ -n "$viewer" ] && break
  sleep 0.1
done
[ -n "$viewer" ] || {
  echo "the rules did not open; windows:"; xdotool search --name '.' getwindowname %@ 2>/dev/null || true
  [ -z "${SNAPSHOT:-}" ] || "$SNAPSHOT" grab "$work/../failed-screen.png"
  cat "$work/game.log"; exit 1; }
echo "rules window: $(xdotool getwindowname "$viewer")"

kill -0 "$game_pid" || { echo "the game ended"; cat "$work/game.log"; exit 1; }
echo "installed game passed"
