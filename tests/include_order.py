#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The layers of the house, checked from the includes.

Every folder of the game has a layer. An include may point into its own
layer only within its own top folder, and otherwise only down; no two
folders, at any depth, include each other. A folder that is not in the
table fails the check until it is given its place.

    include_order.py SOURCE_ROOT
"""
import os
import re
import sys

# Bottom to top.
LAYERS = [
    ["platform"],            # Qt and the system; knows nothing of the game
    ["state"],               # the game's state, texts, saved games, settings: plain C++
    ["stage"],               # what every scene is handed, and the scenes several subsystems share
    ["riddles", "pages"],    # the riddle frame and rooms; the story and help pages
    ["throne"],              # the throne room, on the riddle frame
    ["labyrinth"],           # the labyrinth and the door rooms, which open rooms and the throne room
    ["shell", "helpviewer"], # makes the windows and wires them; the help viewer, a program of its own
    ["data"],                # the generators of every picture, sound and help file
    ["tests", "bench"],
]
RANK = {folder: rank for rank, folders in enumerate(LAYERS) for folder in folders}
SOURCES = (".h", ".cpp")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def main(root):
    faults = []
    edges = set()
    for top in sorted(os.listdir(root)):
        path = os.path.join(root, top)
        if top.startswith(".") or not os.path.isdir(path) or top.startswith("build"):
            continue
        files = [os.path.join(d, f) for d, _, fs in os.walk(path) for f in fs if f.endswith(SOURCES)]
        if not files:
            continue
        if top not in RANK:
            faults.append(f"{top}/ has no layer: give it its place in {os.path.basename(__file__)}")
            continue
        for file in files:
            here = os.path.relpath(file, root)
            with open(file, encoding="utf-8", errors="replace") as source:
                includes = INCLUDE.findall(source.read())
            for included in includes:
                target = os.path.join(root, included)
                if not os.path.isfile(target):
                    continue  # beside the file, or generated
                there = included.split("/")[0]
                if there not in RANK:
                    continue
                if RANK[there] > RANK[top] or (RANK[there] == RANK[top] and there != top):
                    faults.append(f"{here} includes {included}: {there}/ does not lie below {top}/")
                a, b = os.path.dirname(here), os.path.dirname(included)
                if a != b:
                    edges.add((a, b))
    for a, b in sorted(edges):
        if (b, a) in edges and a < b:
            faults.append(f"{a}/ and {b}/ include each other")
    for fault in faults:
        print(fault)
    print(f"{len(faults)} fault(s)" if faults else "every include points down")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else "."))
