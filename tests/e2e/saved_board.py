#!/usr/bin/env python3
"""The saved-file and board-shot checks of the end-to-end tests.

  check RESUME_DAT           a saved game of 416 bytes the game can resume
  marker RESUME_DAT          the 4-byte end marker
  write RESUME_DAT VARIANT TOTAL [INDEX=COLOUR...]
      a Normal game of level 1 coloured (x + 3y) mod 6 + 1: no line
  whole DATA BEFORE          Resume.dat, Info.dat and Help.dat as in BEFORE or
      whole new versions; prints the changed ones
  compare RESUME_DAT SHOT GAME_DIR   every cell shows its saved colour
  exact X,Y=COLOUR... SHOT GAME_DIR  these cells show every pixel of their piece

SHOT is the game window's client area as raw 8-bit RGB (625 x 440).
"""
import os
import struct
import subprocess
import sys

WIDTH, HEIGHT, CELL, ORIGIN = 625, 440, 40, 20
COLOURS = ["Blue", "Green", "Red", "Yellow", "Purple", "White"]
MARKER = struct.pack("<i", 99)


def fail(message):
    sys.exit("saved_board: " + message)


def saved_fault(data):
    """What makes `data` no saved game the game can resume, or None."""
    if len(data) != 416:
        return "%d bytes, expected 416" % len(data)
    variant, difficulty, level, total, *cells = struct.unpack("<104i", data)
    if variant not in (0, 1) or difficulty not in (1, 2, 3) or level < 1 or total < 0:
        return "variant %d difficulty %d level %d total %d" % (variant, difficulty, level, total)
    bad = [c for c in cells if not 1 <= c <= 6]
    return "colour codes outside 1..6: %s" % bad[:5] if bad else None


def read_saved(path):
    data = open(path, "rb").read()
    fault = saved_fault(data)
    if fault:
        fail("%s: %s" % (path, fault))
    return struct.unpack("<104i", data)


def write(path, variant, total, *changes):
    cells = [(x + 3 * y) % 6 + 1 for y in range(10) for x in range(10)]
    for change in changes:
        index, colour = map(int, change.split("="))
        cells[index] = colour
    open(path, "wb").write(struct.pack("<104i", int(variant), 2, 1, int(total), *cells))


def whole(data, before):
    def read(folder, name):
        path = os.path.join(folder, name)
        return open(path, "rb").read() if os.path.isfile(path) else None

    def whole_info(b):
        stream = b.replace(b"\r\n", b"\n")
        return len(stream) == 60 * 36 and all(b"\0" in stream[36 * i:36 * i + 32] for i in range(60))
    tests = {"Resume.dat": lambda b, old: b == MARKER or saved_fault(b) is None,
             "Info.dat": lambda b, old: whole_info(b),
             "Help.dat": lambda b, old: b == str(int(old) + 1 if old else 2).encode()}
    changed = []
    for name, is_whole in tests.items():
        new, old = read(data, name), read(before, name)
        if new != old and not (new is not None and is_whole(new, old)):
            fail("%s torn: %r after %r" % (name, new and new[:16], old and old[:16]))
        if new != old:
            changed.append(name)
    print(" ".join(changed))


def piece_pixels(game_dir, code):
    """The opaque pixels of a colour's Standard picture, by (x, y)."""
    path = os.path.join(game_dir, "Graphics", "Vlims", COLOURS[code - 1] + " Vlim Standard 1.bmp")
    rgb = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                         stdout=subprocess.PIPE).stdout
    pixels = {(i % CELL, i // CELL): rgb[3 * i:3 * i + 3] for i in range(CELL * CELL)}
    return {at: pixel for at, pixel in pixels.items() if pixel != b"\0\0\0"}


def shown(shot_path, game_dir, expected, least):
    """Each cell of `expected` shows its colour code with at least the share
    `least` of the piece's pixels as drawn."""
    shot = open(shot_path, "rb").read()
    if len(shot) != WIDTH * HEIGHT * 3:
        fail("screenshot is %d bytes" % len(shot))
    pieces = {code: piece_pixels(game_dir, code) for code in range(1, 7)}
    wrong = []
    for (cx, cy), code in expected.items():
        def share(c):
            at = lambda x, y: 3 * ((ORIGIN + CELL * cy + y) * WIDTH + ORIGIN + CELL * cx + x)
            same = sum(shot[at(x, y):at(x, y) + 3] == p for (x, y), p in pieces[c].items())
            return same / len(pieces[c])
        if share(code) < least:
            wrong.append("(%d,%d) shows %.0f%% of colour %d" % (cx, cy, 100 * share(code), code))
    if wrong:
        fail("%d cells differ: %s" % (len(wrong), "; ".join(wrong[:8])))


def main(command, *args):
    board = [(x, y) for y in range(10) for x in range(10)]
    if command == "check":
        print("variant %d difficulty %d level %d total %d" % read_saved(*args)[:4])
    elif command == "marker":
        open(args[0], "rb").read() == MARKER or fail("%s holds no end marker" % args[0])
    elif command == "write":
        write(*args)
    elif command == "whole":
        whole(*args)
    elif command == "compare":
        shown(*args[1:], dict(zip(board, read_saved(args[0])[4:])), 0.8)
    elif command == "exact":
        cells = [cell.replace("=", ",").split(",") for cell in args[:-2]]
        shown(*args[-2:], {(int(x), int(y)): int(c) for x, y, c in cells}, 1.0)
    else:
        fail(__doc__)


if __name__ == "__main__":
    main(*sys.argv[1:])
