#!/usr/bin/env python3
"""Compares pictures as pictures: the same size, and no channel of any pixel
more than one level apart, in at most 0.5 % of the pixels. Rasterisers on
other processors and library builds round a blended or unpremultiplied
pixel one level apart; a moved mark, a changed colour or a glyph moves many
pixels by many levels.

  compare_pictures.py DRAWN STORED [NAME...]   each NAME in both folders
  compare_pictures.py --self-test PICTURE      the rule's own rows
"""
import sys

from PIL import Image, ImageChops

MAX_LEVELS = 1
MAX_SHARE = 0.005


def difference(a, b):
    """(largest difference in a channel, pixels that differ), or None for
    pictures of different sizes."""
    a, b = a.convert("RGBA"), b.convert("RGBA")
    if a.size != b.size:
        return None
    diff = ImageChops.difference(a, b)
    largest = max(high for _, high in diff.getextrema())
    # A pixel differs where any of its channels does.
    bands = diff.split()
    mask = bands[0]
    for band in bands[1:]:
        mask = ImageChops.lighter(mask, band)
    differing = sum(mask.point(lambda v: 255 if v else 0).histogram()[255:])
    return largest, differing


def verdict(a, b):
    found = difference(a, b)
    if found is None:
        return False, "the sizes differ (%dx%d, %dx%d)" % (a.size + b.size)
    largest, differing = found
    total = a.size[0] * a.size[1]
    ok = largest <= MAX_LEVELS and differing <= total * MAX_SHARE
    return ok, "%d of %d pixels differ, by at most %d levels" % (differing, total, largest)


def compare(drawn, stored, names):
    failures = 0
    for name in names:
        ok, said = verdict(Image.open("%s/%s" % (drawn, name)), Image.open("%s/%s" % (stored, name)))
        if not ok:
            failures += 1
            print("FAIL %s differs from what is drawn now: %s "
                  "(cmake --build build --target artwork)" % (name, said))
        elif not said.startswith("0 of"):
            print("ok %s: %s, as rasterisers may" % (name, said))
    return failures


def self_test(path):
    """A few pixels one level off pass; a real change fails."""
    base = Image.open(path).convert("RGBA")
    w, h = base.size

    def nudged(points, by):
        out = base.copy()
        for x, y in points:
            r, g, b, a = out.getpixel((x, y))
            out.putpixel((x, y), (min(255, r + by) if r < 255 else r - by, g, b, a))
        return out

    few = [(x, h // 2) for x in range(0, w, max(1, w // 7))][:7]
    many = [(x, y) for y in range(h) for x in range(w)][: int(w * h * 0.02)]
    moved = Image.new("RGBA", base.size)
    moved.paste(base.crop((1, 0, w, h)), (0, 0))
    glyph = base.copy()
    for x in range(w // 2, min(w, w // 2 + 6)):
        for y in range(h // 2, min(h, h // 2 + 8)):
            glyph.putpixel((x, y), (0, 0, 0, 255) if (x + y) % 3 else (255, 255, 255, 255))
    rows = [
        ("the same picture", base.copy(), True),
        ("seven pixels one level off", nudged(few, 1), True),
        ("a changed colour", nudged(few[:1], 40), False),
        ("2 % of the pixels one level off", nudged(many, 1), False),
        ("a mark moved by a pixel", moved, False),
        ("a glyph drawn in", glyph, False),
        ("another size", base.crop((0, 0, w - 1, h)), False),
    ]
    failures = 0
    for name, picture, want in rows:
        got, said = verdict(picture, base)
        if got != want:
            failures += 1
            print("FAIL the comparison of %s %s: %s" % (name, "refused" if want else "passed", said))
    print("compare_pictures: %d rows, %d wrong" % (len(rows), failures))
    return failures


if __name__ == "__main__":
    if sys.argv[1] == "--self-test":
        sys.exit(1 if self_test(sys.argv[2]) else 0)
    sys.exit(1 if compare(sys.argv[1], sys.argv[2], sys.argv[3:]) else 0)
