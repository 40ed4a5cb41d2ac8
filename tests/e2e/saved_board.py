#!/usr/bin/env python3
"""Checks for the end-to-end play tests, standard library only.

  saved_board.py check RESUME_DAT
      The file is a saved game of 416 bytes with values the game can resume.
  saved_board.py marker RESUME_DAT
      The file is the 4-byte end marker.
  saved_board.py compare RESUME_DAT SHOT_RGB GAME_DIR
      SHOT_RGB is the game window's client area as raw 8-bit RGB (625 x 440);
      every cell of the board shows the piece of the saved colour, judged by
      the pixels of that colour's Standard picture in the game folder.
  saved_board.py pieces SHOT_RGB GAME_DIR
      Every cell of the board shows a whole piece at rest.
"""
import os
import struct
import subprocess
import sys

WIDTH, HEIGHT = 625, 440
CELL, ORIGIN = 40, 20
COLOURS = ["Blue", "Green", "Red", "Yellow", "Purple", "White"]


def fail(message):
    print("saved_board: " + message, file=sys.stderr)
    sys.exit(1)


def read_saved(path):
    data = open(path, "rb").read()
    if len(data) != 416:
        fail("%s is %d bytes, expected 416" % (path, len(data)))
    values = struct.unpack("<104i", data)
    variant, difficulty, level, total = values[:4]
    cells = values[4:]
    if variant not in (0, 1):
        fail("variant %d" % variant)
    if difficulty not in (1, 2, 3):
        fail("difficulty %d" % difficulty)
    if level < 1 or total < 0:
        fail("level %d, total %d" % (level, total))
    bad = [c for c in cells if c < 1 or c > 6]
    if bad:
        fail("colour codes outside 1..6: %s" % bad[:5])
    return variant, difficulty, level, total, cells


def raw_rgb(picture):
    return subprocess.run(["convert", picture, "-depth", "8", "rgb:-"], check=True,
                          stdout=subprocess.PIPE).stdout


def piece_pixels(game_dir):
    """For each colour, the opaque pixels of its Standard picture."""
    pieces = []
    for name in COLOURS:
        path = os.path.join(game_dir, "Graphics", "Vlims", name + " Vlim Standard 1.bmp")
        rgb = raw_rgb(path)
        opaque = {}
        for i in range(CELL * CELL):
            pixel = rgb[3 * i:3 * i + 3]
            if pixel != b"\0\0\0":
                opaque[(i % CELL, i // CELL)] = pixel
        if not opaque:
            fail("%s has no opaque pixel" % path)
        pieces.append(opaque)
    return pieces


def shown_colour(shot, pieces, cx, cy):
    """The colour code whose picture matches the cell best, and its share."""
    best, best_share = 0, 0.0
    for code, opaque in enumerate(pieces, start=1):
        same = 0
        for (x, y), pixel in opaque.items():
            sx, sy = ORIGIN + CELL * cx + x, ORIGIN + CELL * cy + y
            offset = 3 * (sy * WIDTH + sx)
            if shot[offset:offset + 3] == pixel:
                same += 1
        share = same / len(opaque)
        if share > best_share:
            best, best_share = code, share
    return best, best_share


def compare(saved_path, shot_path, game_dir):
    check_shown(read_saved(saved_path)[4], shot_path, game_dir)


def check_shown(cells, shot_path, game_dir):
    """`cells`: the colour code each cell must show, or None for any."""
    shot = open(shot_path, "rb").read()
    if len(shot) != WIDTH * HEIGHT * 3:
        fail("screenshot is %d bytes, expected %d" % (len(shot), WIDTH * HEIGHT * 3))
    pieces = piece_pixels(game_dir)
    wrong = []
    for cy in range(10):
        for cx in range(10):
            code, share = shown_colour(shot, pieces, cx, cy)
            expected = cells[cx + 10 * cy] if cells else code
            # Most of the picture must match: the piece is drawn whole, at rest.
            if code != expected or share < 0.8:
                wrong.append("(%d,%d) shows %d (%.0f%%), saved %d" %
                             (cx, cy, code, 100 * share, expected))
    if wrong:
        fail("%d cells differ: %s" % (len(wrong), "; ".join(wrong[:8])))


def main(argv):
    if len(argv) == 3 and argv[1] == "check":
        variant, difficulty, level, total, _ = read_saved(argv[2])
        print("variant %d difficulty %d level %d total %d" % (variant, difficulty, level, total))
    elif len(argv) == 3 and argv[1] == "marker":
        data = open(argv[2], "rb").read()
        if data != struct.pack("<i", 99):
            fail("%s holds %r, expected the end marker" % (argv[2], data[:16]))
    elif len(argv) == 4 and argv[1] == "pieces":
        check_shown(None, argv[2], argv[3])
    elif len(argv) == 5 and argv[1] == "compare":
        compare(argv[2], argv[3], argv[4])
    else:
        fail(__doc__)


if __name__ == "__main__":
    main(sys.argv)
