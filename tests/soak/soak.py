#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A random player for Tarnwick: starts the real game under Xvfb in a sandbox
of its own and sends clicks, drags, right clicks and keys, weighted towards
what a player does in each window, until the time is up.

Every round starts the game afresh with a crafted saved game that puts the
figure on one door, so that a click on the figure opens that door's room
(doors 1..12: the door room and its riddle, 13: the throne room); the doors
are taken in a shuffled cycle so every room comes up. Now and then a round
starts with no saved game (language window, story pages) or with odd
settings instead.

Findings: the game ending on a signal or with an error code, any sanitizer
report in its output, a game that does not answer for longer than the hang
limit, a game whose window never appears. Each finding is reported with the
round's saved game and settings (kept in the output folder) and the inputs
that led to it. The exit status is 1 when there is a finding.

Usage: soak.py --bin BUILD/bin --probe soak_probe --minutes M [--seed S]
"""
import argparse
import collections
import os
import random
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

SCREEN = (1024, 768)
ROUND_SECONDS = 45
PING_EVERY = 3.0
START_LIMIT = 90.0  # the sanitizer build starts slowly on a busy machine

# The labyrinth as the corridors lie when restored; rows 1..5, columns 1..9
# are what a saved game holds.
TARGET_GRID = [
    [20, 16, 11, 16, 11, 16, 11, 16, 11, 16, 20],
    [13, 4, 1, 5, 8, 0, 8, 4, 1, 5, 12],
    [17, 2, 7, 1, 5, 10, 4, 1, 9, 3, 19],
    [15, 0, 6, 6, 7, 1, 9, 6, 6, 0, 12],
    [17, 5, 7, 1, 2, 8, 3, 1, 9, 4, 19],
    [13, 3, 1, 2, 10, 0, 10, 3, 1, 2, 12],
    [20, 18, 14, 18, 14, 18, 14, 18, 14, 18, 20],
]
# Door N's cell (column, row); 13 is the throne room.
DOORS = [(0, 1), (2, 0), (4, 0), (6, 0), (8, 0), (10, 1), (10, 5),
         (8, 6), (6, 6), (4, 6), (2, 6), (0, 5), (10, 3)]
ARROWS = [(0, 2), (0, 4), (10, 2), (10, 4)] + [(c, r) for c in (1, 3, 5, 7, 9) for r in (0, 6)]
TOOLBAR = {"RestartBtn": 16, "LoadBtn": 40, "StoreBtn": 64, "soundbtn": 88, "StoryBtn": 112,
           "HelpBtn": 136, "exitbtn": 172, "RulesBtn": 521, "InfoBtn": 545, "FennickBtn": 573}
KEYS = ["Escape", "Return", "space", "Tab", "Left", "Right", "Up", "Down", "F1", "a", "x",
        "Home", "End", "Prior", "Next", "BackSpace", "Delete", "alt+F4", "ctrl+q", "ctrl+s"]
SANITIZER = re.compile(r"ERROR: AddressSanitizer|runtime error:|SUMMARY: \w+Sanitizer|"
                       r"ERROR: LeakSanitizer|AddressSanitizer:DEADLYSIGNAL")


def saved_game(player, facing, doors_open, restored):
    cells = [TARGET_GRID[r][c] for r in range(1, 6) for c in range(1, 10)]
    record = struct.pack("<45h4h", *cells, player[0], player[1], facing, 0)
    record += bytes(1 if d else 0 for d in doors_open) + bytes([1 if restored else 0])
    assert len(record) == 112
    return record


class Display:
    """An Xvfb display of our own, and the tools that speak to it."""

    def __init__(self, work, probe):
        self.probe = os.path.abspath(probe)
        read, write = os.pipe()
        self.log = open(os.path.join(work, "xvfb.log"), "w")
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "%dx%dx24" % SCREEN, "-nolisten", "tcp"],
            pass_fds=(write,), stdout=self.log, stderr=subprocess.STDOUT)
        os.close(write)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                raise SystemExit("soak: Xvfb did not start")
            number += chunk
        os.close(read)
        self.name = ":" + number.decode().strip()

    def env(self):
        return dict(os.environ, DISPLAY=self.name)

    def windows(self):
        # Window names come in whatever encoding their client chose.
        try:
            out = subprocess.run([self.probe, "windows"], env=self.env(), capture_output=True,
                                 timeout=20).stdout.decode("utf-8", errors="replace")
        except subprocess.TimeoutExpired:  # a busy display: look again next time
            return []
        found = []
        for line in out.splitlines():
            parts = line.split(" ", 8)
            if len(parts) < 9:
                continue
            wid, x, y, w, h, pid = (int(p) for p in parts[:6])
            found.append({"id": wid, "x": x, "y": y, "w": w, "h": h, "pid": pid,
                          "role": parts[6], "cls": parts[7], "name": parts[8]})
        return found

    def ping(self, window, ms):
        try:
            return subprocess.run([self.probe, "ping", str(window), str(ms)], env=self.env(),
                                  capture_output=True, timeout=ms / 1000 + 20).returncode == 0
        except subprocess.TimeoutExpired:
            return False

    def send(self, words):
        subprocess.run(["xdotool"] + words, env=self.env(), capture_output=True, timeout=30)

    def close_window(self, window):
        subprocess.run([self.probe, "close", str(window)], env=self.env(), capture_output=True, timeout=20)

    def close(self):
        self.server.terminate()
        try:
            self.server.wait(10)
        except subprocess.TimeoutExpired:
            self.server.kill()


class Player:
    """Chooses the next input for a window, as a restless player would."""

    def __init__(self, rng):
        self.rng = rng
        self.door = None  # the cell the figure starts on this round

    def pick(self, weighted):
        total = sum(w for w, _ in weighted)
        at = self.rng.uniform(0, total)
        for w, make in weighted:
            at -= w
            if at <= 0:
                return make()
        return weighted[-1][1]()

    # Input words for xdotool, in window coordinates, and a short label.
    def click(self, x, y, button=1, count=1):
        words = ["mousemove", str(x), str(y), "click"]
        if count > 1:
            words += ["--repeat", str(count), "--delay", "80"]
        return words + [str(button)], "%s%d (%d,%d)" % ("double-" if count > 1 else "", button, x, y)

    def drag(self, x0, y0, x1, y1):
        words = ["mousemove", str(x0), str(y0), "mousedown", "1"]
        steps = self.rng.randint(1, 4)
        for i in range(1, steps + 1):
            words += ["sleep", "0.03", "mousemove", str(x0 + (x1 - x0) * i // steps),
                      str(y0 + (y1 - y0) * i // steps)]
        return words + ["sleep", "0.03", "mouseup", "1"], "drag (%d,%d)-(%d,%d)" % (x0, y0, x1, y1)

    def key(self, name=None):
        name = name or self.rng.choice(KEYS)
        return ["key", name], "key " + name

    def text(self):
        r = self.rng
        name = r.choice(["game", "spiel", "a", "x" * r.randint(1, 300), "zug%d" % r.randint(0, 99),
                         "mit leer", "ümlaut", "a.b.c", "noname", ".", "..", "sub/x", "-"])
        if r.random() < 0.5:
            name += r.choice([".htk", ".txt", ".HTK", ""])
        return ["type", "--delay", "5", name], "type %r" % name[:40]

    def anywhere(self, w, h):
        return self.click(self.rng.randrange(w), self.rng.randrange(h), self.rng.choice([1, 1, 1, 3]))

    def within(self, x0, x1, y0, y1, button=1, count=1):
        return self.click(self.rng.randint(x0, x1), self.rng.randint(y0, y1), button, count)

    def close(self):
        """The close box or Alt+F4 of a window manager."""
        return ["@close"], "close"

    def common(self, w, h):
        return [(6, lambda: self.within(0, w - 1, 0, h - 1, 3)), (6, self.key), (0.5, self.close),
                (2, lambda: self.within(0, w - 1, 0, h - 1, 1, 2)),
                (2, lambda: self.drag(self.rng.randrange(w), self.rng.randrange(h),
                                      self.rng.randrange(w), self.rng.randrange(h)))]

    def main_window(self, w, h):
        r = self.rng

        def cell(c, rr, button=1):
            return self.click(54 * c + r.randint(8, 46), 33 + 54 * rr + r.randint(8, 46), button)

        def door():
            return cell(*self.door) if self.door else cell(r.randrange(11), r.randrange(7))

        def tool():
            name = r.choice(list(TOOLBAR) + ["RulesBtn", "soundbtn", "LoadBtn"])
            if name in ("exitbtn", "RestartBtn") and r.random() < 0.7:
                name = "HelpBtn"
            return self.click(TOOLBAR[name] + r.randint(-6, 6), r.randint(8, 26))

        return [(30, door), (25, lambda: cell(r.randrange(11), r.randrange(7))),
                (10, lambda: cell(*r.choice(ARROWS))), (6, tool)] + self.common(w, h)

    def door_room(self, w, h):
        r = self.rng
        stones = [(175, 187), (204, 187), (188, 212)]
        return [(40, lambda: self.within(152, 258, 92, 268)),
                (25, lambda: self.click(*[v + r.randint(-8, 8) for v in r.choice(stones)])),
                (4, lambda: self.within(0, 140, 0, h - 1))] + self.common(w, h)

    def riddle(self, w, h):
        r = self.rng

        def board():
            return r.randint(20, 280), r.randint(60, 335)

        return [(40, lambda: self.click(*board())), (25, lambda: self.drag(*board(), *board())),
                (4, lambda: self.click(*board(), 3)),
                (6, lambda: self.click(r.choice([104, 136, 168]) + r.randint(-10, 10), r.randint(346, 368))),
                (2, lambda: self.click(*board(), 1, 2)), (2, self.key)]

    def throne(self, w, h):
        r = self.rng
        return [(35, lambda: self.anywhere(w, h)),
                (30, lambda: self.drag(r.randrange(w), r.randrange(h), r.randrange(w), r.randrange(h))),
                (12, lambda: self.within(0, w - 1, 0, h - 1, 3))] + self.common(w, h)

    def file_window(self, w, h, saving):
        r = self.rng
        files = (8, 153, 72, 222) if saving else (8, 153, 32, 221)
        moves = [(20, lambda: self.within(files[0] + 8, files[1] + 8, files[2] + 4, files[3] + 4)),
                 (10, lambda: self.within(files[0] + 8, files[1] + 8, files[2] + 4, files[3] + 4, 1, 2)),
                 (12, lambda: self.within(92, 142, 244, 262)),   # OK
                 (8, lambda: self.within(176, 226, 244, 262)),   # Escape
                 (6, self.key)]
        if saving:
            moves += [(12, lambda: self.within(20, 150, 34, 50)), (14, self.text),
                      (4, lambda: self.key("ctrl+a"))]
        else:  # folders are only wandered through when nothing can be written there
            moves += [(8, lambda: self.within(172, 308, 36, 176, 1, r.choice([1, 2]))),
                      (3, lambda: self.within(172, 308, 210, 222))]
        return moves

    def small(self, w, h):
        return [(50, lambda: self.anywhere(w, h)), (12, lambda: self.key(self.rng.choice(
            ["Return", "Escape", "space"])))] + self.common(w, h)

    def next_input(self, role, w, h):
        if role == "TMainForm":
            choices = self.main_window(w, h)
        elif role == "TPuzzleWin":
            choices = self.door_room(w, h)
        elif role.startswith("TRiddle"):
            choices = self.riddle(w, h)
        elif role == "TChessWin":
            choices = self.throne(w, h)
        elif role in ("TSaveAsDlg", "TLoadDlg"):
            choices = self.file_window(w, h, role == "TSaveAsDlg") + [(2, self.close)]
        elif role.startswith("tarnwick-help"):
            choices = self.small(w, h) + [(20, self.close)]
        else:
            choices = self.small(w, h)
        return self.pick(choices)


class Soak:
    def __init__(self, args):
        self.args = args
        self.rng = random.Random(args.seed)
        self.player = Player(self.rng)
        self.out = os.path.abspath(args.out)
        shutil.rmtree(self.out, ignore_errors=True)
        os.makedirs(self.out)
        self.work = tempfile.mkdtemp(prefix="tarnwick-soak-")
        self.inputs = 0
        self.rounds = 0
        self.visits = collections.Counter()      # inputs sent per window
        self.entered = collections.Counter()     # windows seen open, per round
        self.doors_tried = collections.Counter()
        self.rooms_opened = collections.Counter()
        self.findings = []
        self.warnings = collections.Counter()
        self.last = collections.deque(maxlen=25)
        self.round_inputs = []
        self.lost_rounds = 0
        self.game = None
        self.sandbox_program()

    def sandbox_program(self):
        """The program folder of the sandbox: the game itself copied, its data
        files linked, so that saved games land in the sandbox and a rebuild
        cannot swap the program under a running soak."""
        source = os.path.abspath(self.args.bin)
        self.program_dir = os.path.join(self.work, "program")
        os.makedirs(self.program_dir)
        for name in os.listdir(source):
            path = os.path.join(source, name)
            if name == "tarnwick":
                shutil.copy2(path, self.program_dir)
            elif not name.endswith(".htk"):
                os.symlink(path, os.path.join(self.program_dir, name))
        self.program = os.path.join(self.program_dir, "tarnwick")

    def game_env(self, display, home):
        env = display.env()
        for key in list(env):
            if key.startswith(("XDG_", "QT_")):
                del env[key]
        env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local/share"),
                   XDG_CACHE_HOME=os.path.join(home, ".cache"),
                   XDG_RUNTIME_DIR=os.path.join(home, "run"), QT_QPA_PLATFORM="xcb",
                   ASAN_OPTIONS="detect_leaks=0:abort_on_error=0",
                   UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1")
        return env

    def plan_round(self, doors):
        """The saved game and settings of the next round; returns (door, scene)."""
        r = self.rng
        home = os.path.join(self.work, "round%d" % self.rounds)
        config = os.path.join(home, ".config")
        os.makedirs(config)
        os.makedirs(os.path.join(home, "run"), mode=0o700)
        kind = r.random()
        door = None
        lines = ["[Tarnwick]", "tongue=%d" % r.choice([0, 0, 1]), "sound=%d" % r.choice([0, 0, 1])]
        if kind < 0.08:
            scene = "first start, no settings"
            lines = None
        elif kind < 0.16:
            scene = "odd settings"
            lines = [r.choice(["\ufeff[Tarnwick]", "[tarnwick]", "[Tarnwick]"]),
                     "left=%d" % r.choice([-2147483648, 2147483647, -99999, 5000, 0]),
                     "top=%d" % r.choice([-2147483648, 2147483647, -99999, 5000, 0]),
                     "tongue=%s" % r.choice(["7", "-1", "x", ""]),
                     "game=%s" % r.choice(["/dev/null", home, "/nonexistent/a.htk", "", "x" * 400])]
        else:
            if not doors:
                doors.extend(r.sample(self.args.doors, len(self.args.doors)))
            door = doors.pop()
            opened = [r.random() < 0.4 for _ in range(13)]
            opened[door - 1] = r.random() < 0.5
            opened[12] = door != 13 and r.random() < 0.1
            path = os.path.join(home, "door%d.htk" % door)
            with open(path, "wb") as f:
                f.write(saved_game(DOORS[door - 1], r.randrange(4), opened, r.random() < 0.2))
            lines += ["left=%d" % r.randint(0, 300), "top=%d" % r.randint(0, 200), "game=" + path]
            scene = "figure on door %d" % door
        if lines is not None:
            with open(os.path.join(config, "mindcrate.ini"), "w", encoding="utf-8") as f:
                f.write("\n".join(lines) + "\n")
        return home, door, scene

    def finding(self, what, home, log):
        keep = os.path.join(self.out, "finding%d" % (len(self.findings) + 1))
        shutil.copytree(home, keep, ignore=shutil.ignore_patterns("run"), symlinks=True)
        shutil.copy(log, keep)
        with open(os.path.join(keep, "inputs.txt"), "w") as f:
            f.write("".join("%7.1fs  %-12s %s\n" % item for item in self.round_inputs))
        text = [what, "  round %d (seed %d), its saved game, settings, output and every input kept in %s"
                % (self.rounds, self.args.seed, keep),
                "  last inputs (window, input):"]
        text += ["    %7.1fs  %-12s %s" % item for item in self.last]
        self.findings.append("\n".join(text))
        print("soak: FINDING: " + what, flush=True)

    def scan_log(self, log):
        with open(log, errors="replace") as f:
            content = f.read()
        for line in content.splitlines():
            if line.startswith(("Qt", "QWidget", "QPainter", "QObject", "QMetaObject", "QLayout",
                                "QPixmap", "QImage")) or "Warning" in line:
                self.warnings[line[:160]] += 1
        match = SANITIZER.search(content)
        if not match:
            return None
        at = match.start()
        return content[max(0, at - 200):at + 2500]

    @staticmethod
    def display_was_lost(log, display):
        with open(log, errors="replace") as f:
            refused = "could not connect to display" in f.read()
        return refused and display.server.poll() is None

    def stop_game(self):
        if self.game and self.game.poll() is None:
            try:
                os.killpg(self.game.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        if self.game:
            self.game.wait()
            try:  # the help viewer and anything else the game started
                os.killpg(self.game.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass

    def backtrace(self):
        if not shutil.which("gdb") or not self.game:
            return ""
        run = subprocess.run(["gdb", "-batch", "-p", str(self.game.pid), "-ex", "thread apply all bt 25"],
                             capture_output=True, text=True, timeout=120)
        return "\n".join(l for l in run.stdout.splitlines() if l.startswith(("#", "Thread")))

    def play_round(self, display, doors, deadline):
        home, door, scene = self.plan_round(doors)
        self.player.door = DOORS[door - 1] if door else None
        if door:
            self.doors_tried[door] += 1
        log = os.path.join(home, "game.log")
        started = time.monotonic()
        round_end = min(deadline, started + ROUND_SECONDS)
        print("soak: round %d, %s" % (self.rounds, scene), flush=True)
        with open(log, "w") as out:
            self.game = subprocess.Popen([self.program], env=self.game_env(display, home), cwd=home,
                                         stdout=out, stderr=subprocess.STDOUT, start_new_session=True)
        seen = set()
        self.last.clear()
        self.round_inputs = []
        main = None
        last_answer = time.monotonic()
        next_ping = last_answer + PING_EVERY
        problem = None
        while True:
            now = time.monotonic()
            code = self.game.poll()
            if code is not None:
                if code != 0:
                    problem = "the game ended with %s during %s" % (
                        ("signal %d" % -code) if code < 0 else "exit code %d" % code, scene)
                break
            mine = [w for w in display.windows() if w["pid"] == self.game.pid or
                    (w["cls"].startswith("tarnwick-help") and w["pid"] != 0)]
            for w in mine:
                if w["role"] == "TMainForm":
                    main = w["id"]
            if main is None:
                if now - started > START_LIMIT:
                    problem = "no main window %d s after start (%s)" % (START_LIMIT, scene)
                    break
                time.sleep(0.3)
                continue
            if now >= round_end:
                break
            if now >= next_ping:
                if display.ping(main, 2000):
                    last_answer = time.monotonic()
                elif time.monotonic() - last_answer > self.args.hang:
                    problem = "the game did not answer for %d s (%s)\n%s" % (
                        self.args.hang, scene, self.backtrace())
                    break
                next_ping = time.monotonic() + PING_EVERY
            ours = [w for w in mine if w["pid"] == self.game.pid]
            if not ours:
                time.sleep(0.2)
                continue
            target = ours[-1]
            helpers = [w for w in mine if w["pid"] != self.game.pid]
            if helpers and self.rng.random() < 0.1:
                target = helpers[-1]
            role = target["role"] if target["role"] != "-" else target["cls"].split("_")[0]
            for w in mine:
                name = w["role"] if w["role"] != "-" else w["cls"].split("_")[0]
                if name not in seen:
                    seen.add(name)
                    self.entered[name] += 1
                    if door and name == "TRiddle%dWin" % door:
                        self.rooms_opened[door] += 1
            words, label = self.player.next_input(role, target["w"], target["h"])
            if words == ["@close"] and target["id"] == main and role != "TMainForm":
                # A scene inside the game's window: its caption's close box
                # or, where it has none, the Escape a player would press.
                display.send(["key", "Escape"])
            elif words == ["@close"]:
                display.close_window(target["id"])
            else:
                display.send(self.to_screen(words, target))
            self.inputs += 1
            self.visits[role] += 1
            self.last.append((time.monotonic() - started, role, label))
            self.round_inputs.append(self.last[-1])
            time.sleep(self.rng.choice([0.02, 0.05, 0.1, 0.2, 0.4]))
        if problem is None and self.game.poll() is None:
            # One last look: the game must still answer before it is stopped.
            if main is not None and not display.ping(main, 5000) and not display.ping(main, 20000):
                problem = "the game did not answer at the end of the round (%s)\n%s" % (
                    scene, self.backtrace())
        self.stop_game()
        report = self.scan_log(log)
        if report:
            problem = (problem + "\n" if problem else "") + "sanitizer report (%s):\n%s" % (scene, report)
        if problem and not report and self.display_was_lost(log, display):
            # The display refused the game's connection: a fault of the
            # machine the soak runs on, told apart from the game's own.
            self.lost_rounds += 1
            print("soak: round %d lost: the game could not reach the display" % self.rounds, flush=True)
        elif problem:
            self.finding(problem, home, log)
        shutil.rmtree(home, ignore_errors=True)

    @staticmethod
    def to_screen(words, window):
        out, i = [], 0
        while i < len(words):
            out.append(words[i])
            if words[i] == "mousemove":
                out += [str(window["x"] + int(words[i + 1])), str(window["y"] + int(words[i + 2]))]
                i += 3
                continue
            i += 1
        return out

    def run(self):
        display = Display(self.work, self.args.probe)
        begun = time.monotonic()
        deadline = begun + self.args.minutes * 60
        doors = []
        try:
            while time.monotonic() < deadline - 5:
                self.play_round(display, doors, deadline)
                self.rounds += 1
        finally:
            self.stop_game()
            display.close()
        minutes = (time.monotonic() - begun) / 60
        return self.report(minutes)

    def report(self, minutes):
        rooms = sorted(int(k[7:-3]) for k in self.entered if re.fullmatch(r"TRiddle\d+Win", k))
        silent = sorted(d for d in self.doors_tried if d <= 12 and not self.rooms_opened[d])
        lines = ["", "Soak report",
                 "  %.1f minutes, %d rounds, %d inputs sent, seed %d" % (minutes, self.rounds, self.inputs,
                                                                         self.args.seed),
                 "  inputs per window: " + ", ".join("%s %d" % kv for kv in sorted(self.visits.items())),
                 "  rounds that showed each window: " + ", ".join(
                     "%s %d" % kv for kv in sorted(self.entered.items())),
                 "  riddle rooms entered: %s" % (", ".join(map(str, rooms)) or "none"),
                 "  throne room entered: %s" % ("yes" if self.entered["TChessWin"] else "no"),
                 "  figure put on doors: " + ", ".join("%d" % d for d in sorted(self.doors_tried))]
        if self.lost_rounds:
            lines.append("  rounds lost because the game could not reach the display: %d" % self.lost_rounds)
        if silent:
            lines.append("  doors whose riddle window never opened: " + ", ".join(map(str, silent)))
        if self.warnings:
            lines.append("  messages of the game (not findings):")
            lines += ["    %4d x %s" % (n, text) for text, n in self.warnings.most_common(8)]
        lines.append("  findings: %d" % len(self.findings))
        lines += ["", *self.findings] if self.findings else []
        text = "\n".join(lines)
        print(text, flush=True)
        with open(os.path.join(self.out, "report.txt"), "w") as f:
            f.write(text + "\n")
        shutil.rmtree(self.work, ignore_errors=True)
        return 1 if self.findings else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", required=True, help="the program folder of a (sanitizer) build")
    parser.add_argument("--probe", required=True, help="the soak_probe tool")
    parser.add_argument("--minutes", type=float, default=2)
    parser.add_argument("--seed", type=int, default=int(time.time()) % 100000)
    parser.add_argument("--hang", type=float, default=40, help="seconds without an answer that make a hang")
    parser.add_argument("--doors", type=lambda text: [int(d) for d in text.split(",")],
                        default=list(range(1, 14)), help="the doors to put the figure on, as 1,5,13")
    parser.add_argument("--out", default="soak-out", help="folder for the report and the findings")
    args = parser.parse_args()
    sys.exit(Soak(args).run())


if __name__ == "__main__":
    main()
