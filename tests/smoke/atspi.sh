#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game read through AT-SPI, as a screen reader reads it: the real game
# under Xvfb, with a session bus and an accessibility bus of the test's own,
# its tree read with pyatspi (atspi_read.py) while xdotool plays a few keys.
# Every process started here is ended here, the registry daemon the
# accessibility bus starts included.
#   atspi.sh GAME
set -uo pipefail
game="$1"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
xvfb_pid=0; bus_pid=0; launcher_pid=0; game_pid=0

# The processes under a process, deepest first.
descendants() {
  local child
  for child in $(pgrep -P "$1" 2>/dev/null); do
    descendants "$child"
    echo "$child"
  done
}

# The registry daemon and any helper the buses started for this session,
# told apart from other sessions' by the session bus in their environment.
ours() {
  local pid
  for pid in $(pgrep -x at-spi2-registr 2>/dev/null) $(pgrep -x at-spi-bus-laun 2>/dev/null) \
             $(pgrep -x dbus-daemon 2>/dev/null); do
    if { tr '\0' '\n' < "/proc/$pid/environ"; } 2>/dev/null | grep -qxF "DBUS_SESSION_BUS_ADDRESS=$address"; then
      echo "$pid"
    fi
  done
}

finish() {
  local pids=""
  [ "$game_pid" -gt 0 ] && pids="$pids $game_pid"
  [ "$launcher_pid" -gt 0 ] && pids="$pids $(descendants "$launcher_pid") $launcher_pid"
  [ -n "${address:-}" ] && pids="$pids $(ours)"
  [ "$bus_pid" -gt 0 ] && pids="$pids $bus_pid"
  for pid in $pids; do kill "$pid" 2>/dev/null; done
  sleep 0.3
  for pid in $pids; do kill -9 "$pid" 2>/dev/null; done
  [ "$xvfb_pid" -gt 0 ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT

# A display of our own.
source "$here/display.sh"
own_display "$work"
export QT_QPA_PLATFORM=xcb

# A session bus of our own, then the accessibility bus on it.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
dbus-daemon --session --fork --print-address=4 --print-pid=5 4>"$work/bus" 5>"$work/bus.pid" || {
  echo "no session bus"; exit 1; }
address="$(head -1 "$work/bus")"
bus_pid="$(head -1 "$work/bus.pid")"
export DBUS_SESSION_BUS_ADDRESS="$address"
/usr/libexec/at-spi-bus-launcher --launch-immediately > "$work/launcher.log" 2>&1 &
launcher_pid=$!
for _ in $(seq 100); do
  dbus-send --session --dest=org.freedesktop.DBus --type=method_call --print-reply /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
  sleep 0.1
done

# A returning player in English with the sound off, standing on door 1.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$XDG_CONFIG_HOME"
/usr/bin/python3 - "$work/saved.htk" <<'EOF'
import struct, sys
inner = [[4, 1, 5, 8, 0, 8, 4, 1, 5], [2, 7, 1, 5, 10, 4, 1, 9, 3], [0, 6, 6, 7, 1, 9, 6, 6, 0],
         [5, 7, 1, 2, 8, 3, 1, 9, 4], [3, 1, 2, 10, 0, 10, 3, 1, 2]]
record = b"".join(struct.pack("<h", kind) for row in inner for kind in row)
record += struct.pack("<hhhh", 0, 1, 0, 0) + bytes(13) + bytes(1)  # on door 1, facing east
assert len(record) == 112
open(sys.argv[1], "wb").write(record)
EOF
printf '[Tarnwick]\ntongue=0\nleft=100\ntop=80\nsound=0\ngame=%s\n' "$work/saved.htk" \
  > "$XDG_CONFIG_HOME/mindcrate.ini"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$game" > "$work/game.log" 2>&1 &
game_pid=$!
window="$(await_window "$game_pid" --onlyvisible --class tarnwick)"
[ -n "$window" ] || { echo "no game window"; cat "$work/game.log"; exit 1; }
# Without a window manager nothing gives the window the keyboard: the test
# does, and keeps the pointer over it.
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 300)) $((Y + 300))
xdotool windowfocus --sync "$window" || true

# Debian's own python3, which has pyatspi.
timeout 90 /usr/bin/python3 "$here/atspi_read.py" "$work"
status=$?
kill -0 "$game_pid" 2>/dev/null || { echo "the game ended"; cat "$work/game.log"; status=1; }
[ "$status" -eq 0 ] || { echo "--- game log"; cat "$work/game.log"; }

# Nothing of ours may outlive the test.
finish
trap - EXIT
left="$(ours; [ "$launcher_pid" -gt 0 ] && kill -0 "$launcher_pid" 2>/dev/null && echo "$launcher_pid")"
if [ -n "$left" ]; then echo "still running after the test: $left"; exit 1; fi
exit "$status"
