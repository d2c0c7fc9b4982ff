#!/usr/bin/env python3
"""WCAG 2.2's contrast of pairs that lie near a hundredth, computed exactly
(decimals of 60 digits) and cut to two decimals, with the levels passed.

Prints "A B RATIO LEVELS" lines: the pairs nearest the thresholds (3, 4.5,
7) and random hundredths among colours picked at random, plus every pair of
colours whose luminance is a fraction (channels 0 to 10 and 255) that lands
on a hundredth exactly."""
import bisect
import random
import sys
from decimal import Decimal, getcontext, ROUND_FLOOR
from fractions import Fraction

getcontext().prec = 60
rng = random.Random(int(sys.argv[1]) if len(sys.argv) > 1 else 2026)


def linear(c):
    v = Decimal(c) / 255
    return v / Decimal("12.92") if v <= Decimal("0.04045") else ((v + Decimal("0.055")) / Decimal("1.055")) ** Decimal("2.4")


LIN = [linear(c) for c in range(256)]


def lum(code):
    r, g, b = code >> 16, (code >> 8) & 255, code & 255
    return Decimal("0.2126") * LIN[r] + Decimal("0.7152") * LIN[g] + Decimal("0.0722") * LIN[b]


def cut(ratio):
    return (ratio * 100).to_integral_value(rounding=ROUND_FLOOR)


def line(a, b, hundredths):
    levels = [n for n, t in (("AA", 450), ("AAA", 700), ("AA-large", 300), ("AAA-large", 450)) if hundredths >= t]
    return "%06X %06X %d.%02d %s" % (a, b, hundredths // 100, hundredths % 100, " ".join(levels) or "none")


def exact(a, b):
    x, y = lum(a) + Decimal("0.05"), lum(b) + Decimal("0.05")
    return max(x, y) / min(x, y)


# Candidates by floating point, kept where they lie within a thousandth of
# a hundredth; the exact value decides.
flin = [float(v) for v in LIN]


def flum(c):
    return 0.2126 * flin[c >> 16] + 0.7152 * flin[(c >> 8) & 255] + 0.0722 * flin[c & 255]


colours = [rng.randrange(1 << 24) for _ in range(150000)]
ranked = sorted((flum(c), c) for c in colours)
keys = [l for l, _ in ranked]
# Found here first: 4.4999999999996, which a fudge of 1e-9 showed as 4.50.
out = [line(0x898CB8, 0x3E2217, int(cut(exact(0x898CB8, 0x3E2217))))]
thresholds = [Decimal(t) for t in ("3", "4.5", "7")]
for dark in rng.sample(colours, 15000):
    for t in thresholds + [Decimal(rng.randrange(101, 2100)) / 100]:
        want = float(t) * (flum(dark) + 0.05) - 0.05
        if not 0 <= want <= 1:
            continue
        i = bisect.bisect_left(keys, want)
        for _, light in ranked[max(0, i - 1):i + 1]:
            ratio = exact(light, dark)
            h = cut(ratio)
            if min(ratio * 100 - h, h + 1 - ratio * 100) < Decimal("1e-3"):
                out.append(line(light, dark, int(h)))

# Fractions: exact hundredths, where floating point may fall a hair short.
frac = [c for c in list(range(11)) + [255]]
def flin_exact(c):
    return Fraction(100 * c, 329460) if c <= 10 else Fraction(1)
rational = [(r << 16) | (g << 8) | b for r in frac for g in frac for b in frac]
def rlum(code):
    return (Fraction(2126, 10000) * flin_exact(code >> 16) + Fraction(7152, 10000) * flin_exact((code >> 8) & 255)
            + Fraction(722, 10000) * flin_exact(code & 255) + Fraction(1, 20))
rl = {c: rlum(c) for c in rational}
for a in rational:
    for b in rng.sample(rational, 40) + [0, 0xFFFFFF]:
        ratio = max(rl[a], rl[b]) / min(rl[a], rl[b])
        h = (ratio * 100).numerator // (ratio * 100).denominator
        if ratio * 100 == h:
            out.append(line(a, b, h))
print("\n".join(out))
