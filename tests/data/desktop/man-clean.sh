#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A manual page must format without a single warning from man.
out="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null)"
[ -z "$out" ] || { echo "$out"; exit 1; }
