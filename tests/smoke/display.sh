# SPDX-License-Identifier: GPL-3.0-or-later
# What the tests that run the real game on an X display share; sourced.

# own_display WORK [SCREEN]: an X server (Xvfb) of the test's own, its
# number written into WORK; exports DISPLAY, sets xvfb_pid, and waits until
# the server answers (30 seconds at the most: on a busy machine it is slow
# to come up). The number is drawn at random and the server takes its lock
# file or ends; it counts as ours only when the lock names it. (Servers told
# a free number by -displayfd at the same moment can both be told the same
# one, and a game then finds the other test's server, or none.)
own_display() {
  local n
  for n in $(shuf -i 20-999 -n 20); do
    Xvfb ":$n" -screen 0 "${2:-1024x768x24}" -nolisten tcp > "$1/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 300); do
      kill -0 "$xvfb_pid" 2>/dev/null || break
      if [ "$(tr -d ' \n' 2>/dev/null < "/tmp/.X$n-lock")" = "$xvfb_pid" ] &&
         DISPLAY=":$n" xdpyinfo > /dev/null 2>&1; then
        echo "$n" > "$1/display"
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  done
  echo "no X server of our own could be started" >&2
  return 1
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
