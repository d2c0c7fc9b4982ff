#!/usr/bin/env bash
# hvz contrast against an implementation that is not ours (npm's
# wcag-contrast) on thousands of random pairs, and as a gate for scripts.
# wcag-contrast linearises below 0.03928 where WCAG 2.2 says 0.04045: no
# 8-bit channel lies between the two (10/255 and 11/255 are either side), so
# the two must agree on every pair.
set -u
HVZ=$1
MODULES=$2
source "$(dirname "$0")/../lib/check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk 'BEGIN { srand(2026); for (i = 0; i < 5000; i++)
    printf "%06X %06X\n", int(rand() * 16777216), int(rand() * 16777216) }' >"$work/pairs"
# Every grey against white and black too: the edges of the levels lie there.
awk 'BEGIN { for (g = 0; g < 256; g++) printf "%02X%02X%02X FFFFFF\n%02X%02X%02X 000000\n", g, g, g, g, g, g }' \
    >>"$work/pairs"
"$HVZ" contrast <"$work/pairs" >"$work/ours"
check "hvz read every pair" "$(wc -l <"$work/pairs")" "$(wc -l <"$work/ours")"
NODE_PATH=$MODULES node -e '
const wcag = require("wcag-contrast");
const lines = require("fs").readFileSync(process.argv[1], "utf8").trim().split("\n");
const out = lines.map(line => {
    const [a, b] = line.split(" ");
    const ratio = wcag.hex("#" + a, "#" + b);
    const cut = Math.floor(ratio * 100 + 1e-9) / 100;
    const levels = [[ratio >= 4.5, "AA"], [ratio >= 7, "AAA"], [ratio >= 3, "AA-large"],
                    [ratio >= 4.5, "AAA-large"]].filter(l => l[0]).map(l => l[1]);
    return cut.toFixed(2) + " " + (levels.length ? levels.join(" ") : "none");
});
process.stdout.write(out.join("\n") + "\n");
' "$work/pairs" >"$work/theirs"
check "hvz agrees with wcag-contrast on every pair" "" \
    "$(paste -d'|' "$work/pairs" "$work/ours" "$work/theirs" | awk -F'|' '$2 != $3' | head -3)"

# APCA's Lc against its reference, apca-w3 0.1.9, on 10,000 more pairs and
# the greys: one decimal, text on background.
awk 'BEGIN { srand(98); for (i = 0; i < 10000; i++)
    printf "%06X %06X\n", int(rand() * 16777216), int(rand() * 16777216) }' >"$work/apca"
grep -E 'FFFFFF|000000' "$work/pairs" >>"$work/apca"
"$HVZ" contrast --apca <"$work/apca" >"$work/ours"
node --input-type=module - "$MODULES" "$work/apca" >"$work/theirs" <<'JS'
import { readFileSync } from "fs";
const { APCAcontrast, sRGBtoY } = await import(process.argv[2] + "/apca-w3/src/apca-w3.js");
const rgb = hex => [0, 2, 4].map(i => parseInt(hex.substr(i, 2), 16));
const out = readFileSync(process.argv[3], "utf8").trim().split("\n").map(line => {
    const [text, background] = line.split(" ");
    const lc = APCAcontrast(sRGBtoY(rgb(text)), sRGBtoY(rgb(background))).toFixed(1);
    return lc === "-0.0" ? "0.0" : lc;
});
process.stdout.write(out.join("\n") + "\n");
JS
check "hvz read every APCA pair" "$(wc -l <"$work/apca")" "$(wc -l <"$work/ours")"
check "hvz agrees with apca-w3 on every pair" "" \
    "$(paste -d'|' "$work/apca" "$work/ours" "$work/theirs" | awk -F'|' '$2 != $3' | head -3)"
"$HVZ" contrast 000 fff --apca --min 60 >/dev/null 2>&1
check "--min does not go with --apca" 2 "$?"

# Near every threshold and hundredth, against an exact computation: a ratio
# a hair below a hundredth is cut below it, and one exactly on it is not.
python3 "$(dirname "$0")/exact_contrast.py" 2026 >"$work/exact"
check "pairs near the thresholds were found" 1 "$([ "$(wc -l <"$work/exact")" -gt 1000 ] && echo 1)"
cut -d' ' -f1,2 "$work/exact" | "$HVZ" contrast >"$work/ours"
check "hvz cuts the exact ratio near every threshold" "" \
    "$(paste -d'|' "$work/exact" "$work/ours" | awk -F'|' '{ split($1, w, " "); r = $1;
        sub(/^[^ ]+ [^ ]+ /, "", r); if (r != $2) print }' | head -3)"

# The gate: exit 0 at or above the ratio, 1 below it, 2 for what is not a
# code or a ratio. The ratio is read exactly: 3.09 is below 3.1.
for row in "767676 FFFFFF 4.5 0" "777777 #fff 4.5 1" "000 fff 21 0" "fff fff 1 0" \
    "64518E 010004 3.1 1" "64518E 010004 3.09 0" "64518E 010004 3.0900 0" "64518E 010004 3.0901 1" \
    "898CB8 3E2217 4.5 1" "000 fff 21.000 0" "000 fff 21.001 2" "000 fff 0.99 2" "000 fff 3. 0" "000 fff 3.x 2" "000 fff 3..1 2" \
    "000 fff .5 2" "000 fff 1e1 2" \
    "zz fff 4.5 2" "000 fff 22 2" "000 fff x 2"; do
    read -r a b minimum status <<<"$row"
    "$HVZ" contrast "$a" "$b" --min "$minimum" >/dev/null 2>&1
    check "contrast $a $b --min $minimum" "$status" "$?"
done

echo "hvz contrast: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
