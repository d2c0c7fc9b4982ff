#!/usr/bin/env python3
"""CSS Color 4's oklch() of sRGB codes, written here apart from the program.

oklch_reference.py CODES OKLCH EXACT: reads codes (RRGGBB a line) and the
program's oklch() of each, checks that every one gives its colour back under
CSS's own arithmetic (its published matrices, in doubles), prints the first
few that do not and how many, and writes each colour's exact oklch() (twelve
decimals) to EXACT for the browser to read beside the program's."""
import math
import re
import sys

RGB_TO_XYZ = [[506752 / 1228815, 87881 / 245763, 12673 / 70218],
              [87098 / 409605, 175762 / 245763, 12673 / 175545],
              [7918 / 409605, 87881 / 737289, 1001167 / 1053270]]
XYZ_TO_RGB = [[12831 / 3959, -329 / 214, -1974 / 3959],
              [-851781 / 878810, 1648619 / 878810, 36519 / 878810],
              [705 / 12673, -2585 / 12673, 705 / 667]]
XYZ_TO_LMS = [[0.8190224379967030, 0.3619062600528904, -0.1288737815209879],
              [0.0329836539323885, 0.9292868615863434, 0.0361446663506424],
              [0.0481771893596242, 0.2642395317527308, 0.6335478284694309]]
LMS_TO_LAB = [[0.2104542683093140, 0.7936177747023054, -0.0040720430116193],
              [1.9779985324311684, -2.4285922420485799, 0.4505937096174110],
              [0.0259040424655478, 0.7827717124575296, -0.8086757549230774]]
LAB_TO_LMS = [[1.0, 0.3963377773761749, 0.2158037573099136],
              [1.0, -0.1055613458156586, -0.0638541728258133],
              [1.0, -0.0894841775298119, -1.2914855480194092]]
LMS_TO_XYZ = [[1.2268798758459243, -0.5578149944602171, 0.2813910456659647],
              [-0.0405757452148008, 1.1122868032803170, -0.0717110580655164],
              [-0.0763729366746601, -0.4214933324022432, 1.5869240198367816]]


def mul(m, v):
    return [sum(m[i][j] * v[j] for j in range(3)) for i in range(3)]


def linear(c):
    return c / 12.92 if abs(c) <= 0.04045 else math.copysign(((abs(c) + 0.055) / 1.055) ** 2.4, c)


def gamma(c):
    return 12.92 * c if abs(c) <= 0.0031308 else math.copysign(1.055 * abs(c) ** (1 / 2.4) - 0.055, c)


def to_oklch(code):
    rgb = [linear(int(code[i:i + 2], 16) / 255) for i in (0, 2, 4)]
    lab = mul(LMS_TO_LAB, [math.copysign(abs(x) ** (1 / 3), x) for x in mul(XYZ_TO_LMS, mul(RGB_TO_XYZ, rgb))])
    return lab[0] * 100, math.hypot(lab[1], lab[2]), math.degrees(math.atan2(lab[2], lab[1])) % 360


def to_code(l, c, h):
    lab = [l / 100, c * math.cos(math.radians(h)), c * math.sin(math.radians(h))]
    rgb = mul(XYZ_TO_RGB, mul(LMS_TO_XYZ, [x ** 3 for x in mul(LAB_TO_LMS, lab)]))
    return "".join("%02X" % min(255, max(0, round(gamma(x) * 255))) for x in rgb)


PATTERN = re.compile(r"^oklch\((-?[0-9.]+)% (-?[0-9.]+) (-?[0-9.]+)\)$")

codes = [line.strip().upper() for line in open(sys.argv[1])]
texts = [line.strip() for line in open(sys.argv[2])]
wrong = []
for code, text in zip(codes, texts):
    match = PATTERN.match(text)
    back = to_code(*map(float, match.groups())) if match else "unreadable"
    if back != code:
        wrong.append(f"{text} is {back}, not {code}")
if len(codes) != len(texts):
    wrong.append(f"{len(texts)} texts for {len(codes)} codes")
with open(sys.argv[3], "w") as out:
    for code in codes:
        out.write("oklch(%.12f%% %.12f %.12f)\n" % to_oklch(code))
print(f"{len(wrong)} wrong" + (": " + "; ".join(wrong[:3]) if wrong else ""))
