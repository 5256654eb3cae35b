# SPDX-License-Identifier: GPL-3.0-or-later
# What the tests that run the real game on an X display share; sourced.

# own_display WORK [SCREEN]: an X server (Xvfb) of the test's own, its
# number written into WORK; exports DISPLAY, sets xvfb_pid, and waits until
# the server answers (30 seconds at the most: on a busy machine it is slow
# to come up).
own_display() {
  exec 3>"$1/display"
  Xvfb -displayfd 3 -screen 0 "${2:-1024x768x24}" -nolisten tcp > "$1/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 300); do [ -s "$1/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$1/display")"
  for _ in $(seq 100); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
}

# await_window PID SEARCH...: the first window `xdotool search SEARCH...`
# finds, waited for ten seconds at the most while the process PID runs;
# nothing when there is none.
await_window() {
  local pid="$1" window=""
  shift
  for _ in $(seq 100); do
    window="$(xdotool search "$@" 2>/dev/null | head -1 || true)"
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "$window"
}
