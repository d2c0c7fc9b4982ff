#!/usr/bin/env bash
# The hsl() and oklch() the code menu copies, read back by a real browser
# (headless Chromium): every CSS named colour and a large random sample come
# back as the very colour they were copied from.
set -u
HVZ=$1
NAMES=$2 # core/colour/CssNames.cpp: the named colours
source "$(dirname "$0")/../lib/check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

named=$(sed -n 's/.*{"\([a-z]*\)", 0x\([0-9A-F]\{6\}\)}.*/\2/p' "$NAMES" | grep -c .)
{
    sed -n 's/.*{"\([a-z]*\)", 0x\([0-9A-F]\{6\}\)}.*/\2/p' "$NAMES"
    awk 'BEGIN { srand(2026); for (i = 0; i < 40000; i++) printf "%06X\n", int(rand() * 16777216) }'
} >"$work/codes"
check "the named colours were found" 1 "$([ "$(grep -c . "$work/codes")" -ge 40140 ] && echo 1)"
"$HVZ" hex <"$work/codes" >"$work/rgb"
"$HVZ" rgb --css <"$work/rgb" >"$work/hsl"
check "one hsl() a colour" "$(wc -l <"$work/codes")" "$(wc -l <"$work/hsl")"
check "one decimal at most" "" "$(grep -E '\.[0-9]{2}' "$work/hsl" | head -3)"
"$HVZ" hex --oklch <"$work/codes" >"$work/oklch"
check "every oklch() gives its colour back under CSS's own arithmetic" "0 wrong" \
    "$(python3 "$(dirname "$0")/oklch_reference.py" "$work/codes" "$work/oklch" "$work/exact")"

{
    echo '<!DOCTYPE html><html><body><pre id="out"></pre><script>const pairs = ['
    paste -d'|' "$work/hsl" "$work/rgb" "$work/oklch" "$work/exact" | awk -F'|' '{ split($2, c, " ");
        printf "%s[\"%s\", \"rgb(%d, %d, %d)\", \"%s\", \"%s\"]", (NR > 1 ? "," : ""),
            $1, c[1], c[2], c[3], $3, $4 }'
    echo "]; const NAMED = $named;"
    cat <<'JS'

const probe = document.createElement("i");
document.body.append(probe);
const wrong = [];
for (const [hsl, rgb] of pairs) {
  probe.style.color = "";
  probe.style.color = hsl;
  const got = getComputedStyle(probe).color;
  if (got !== rgb) wrong.push(hsl + " gave " + got + ", not " + rgb);
}
// The browser keeps oklch() as oklch() in styles: drawn into an sRGB
// canvas, each a pixel of its own, it becomes the bytes it stands for. Its
// own arithmetic reads even the exact value of a few bright colours a level
// off CSS's: the copied text must read as the exact value reads, or at most
// a level from it; the named colours exactly.
const side = Math.ceil(Math.sqrt(pairs.length));
const canvas = document.createElement("canvas");
canvas.width = 2 * side;
canvas.height = side;
const ctx = canvas.getContext("2d", {colorSpace: "srgb"});
pairs.forEach(([, , oklch, exact], i) => {
  ctx.fillStyle = oklch; ctx.fillRect(i % side, Math.floor(i / side), 1, 1);
  ctx.fillStyle = exact; ctx.fillRect(side + i % side, Math.floor(i / side), 1, 1);
});
const bytes = ctx.getImageData(0, 0, 2 * side, side).data;
const wrongOklch = [];
let levelOff = 0;
pairs.forEach(([, , oklch], i) => {
  const at = (x) => 4 * (Math.floor(i / side) * 2 * side + x);
  const got = bytes.slice(at(i % side), at(i % side) + 3);
  const want = bytes.slice(at(side + i % side), at(side + i % side) + 3);
  const off = Math.max(...[0, 1, 2].map((c) => Math.abs(got[c] - want[c])));
  if (off === 1 && i >= NAMED) ++levelOff;
  else if (off > 0) wrongOklch.push(oklch + " gave " + got.join() + ", the exact value " + want.join());
});
document.getElementById("out").textContent = pairs.length + " read; " + wrong.length + " wrong" +
  (wrong.length ? ": " + wrong.slice(0, 3).join("; ") : "") + " | oklch: " + wrongOklch.length +
  " wrong, " + (levelOff * 1000 > pairs.length ? "over" : "at most") + " one in a thousand a level off" + (wrongOklch.length ? ": " + wrongOklch.slice(0, 3).join("; ") : "");
</script></body></html>
JS
} >"$work/page.htm"
got=$(timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-dev-shm-usage \
    --user-data-dir="$work/profile" --dump-dom "file://$work/page.htm" 2>"$work/chromium.log" |
    sed -n 's/.*<pre id="out">\(.*\)<\/pre>.*/\1/p')
check "every hsl() and oklch() gives its colour back in Chromium" \
    "$(wc -l <"$work/codes") read; 0 wrong | oklch: 0 wrong, at most one in a thousand a level off" "$got"

echo "hsl in a browser: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
