#!/usr/bin/env bash
# The hsl(), oklch(), lab(), lch(), oklab() and hwb() the code menu copies,
# read back by a real browser (headless Chromium) and by an independent
# reader (npm's culori): every CSS named colour and 100,000 random ones come
# back as the very colour they were copied from.
set -u
HVZ=$1
NAMES=$2 # core/colour/CssNames.cpp: the named colours
NPM=$3   # the npm packages' folder (culori)
source "$(dirname "$0")/../lib/check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

named=$(sed -n 's/.*{"\([a-z]*\)", 0x\([0-9A-F]\{6\}\)}.*/\2/p' "$NAMES" | grep -c .)
{
    sed -n 's/.*{"\([a-z]*\)", 0x\([0-9A-F]\{6\}\)}.*/\2/p' "$NAMES"
    awk 'BEGIN { srand(2026); for (i = 0; i < 100000; i++) printf "%06X\n", int(rand() * 16777216) }'
} >"$work/codes"
check "the named colours were found" 1 "$([ "$(grep -c . "$work/codes")" -ge 100140 ] && echo 1)"
"$HVZ" hex <"$work/codes" >"$work/rgb"
"$HVZ" rgb --css <"$work/rgb" >"$work/hsl"
check "one hsl() a colour" "$(wc -l <"$work/codes")" "$(wc -l <"$work/hsl")"
check "one decimal at most" "" "$(grep -E '\.[0-9]{2}' "$work/hsl" | head -3)"
"$HVZ" hex --oklch <"$work/codes" >"$work/oklch"
check "every oklch() gives its colour back under CSS's own arithmetic" "0 wrong" \
    "$(python3 "$(dirname "$0")/oklch_reference.py" "$work/codes" "$work/oklch" "$work/exact")"
for form in lab lch oklab hwb; do
    "$HVZ" hex --format $form <"$work/codes" >"$work/$form"
done
paste -d'|' "$work/lab" "$work/lch" "$work/oklab" "$work/hwb" >"$work/forms"
# The exact values, by culori, for what the browser makes of them.
node --input-type=module - "$NPM/culori/src/index.js" "$work/codes" >"$work/exacts" <<'JS'
const [culori, codes] = process.argv.slice(2);
const { converter } = await import(culori);
const fs = await import("node:fs");
const [lab, lch, oklab, hwb] = ["lab", "lch", "oklab", "hwb"].map(converter);
const n = (v) => (v ?? 0).toFixed(10);
for (const code of fs.readFileSync(codes, "utf8").trim().split("\n")) {
  const c = "#" + code;
  const [l, h, o, w] = [lab(c), lch(c), oklab(c), hwb(c)];
  console.log([`lab(${n(l.l)} ${n(l.a)} ${n(l.b)})`, `lch(${n(h.l)} ${n(h.c)} ${n(h.h)})`,
    `oklab(${n(o.l * 100)}% ${n(o.a)} ${n(o.b)})`, `hwb(${n(w.h)} ${n(w.w * 100)}% ${n(w.b * 100)}%)`].join("|"));
}
JS
check "each new form read by culori gives its colour back" "0 wrong" \
    "$(node --input-type=module - "$NPM/culori/src/index.js" "$work/codes" "$work/forms" <<'JS'
const [culori, codes, forms] = process.argv.slice(2);
const { parse, converter } = await import(culori);
const fs = await import("node:fs");
const rgb = converter("rgb");
const want = fs.readFileSync(codes, "utf8").trim().split("\n");
const wrong = [];
fs.readFileSync(forms, "utf8").trim().split("\n").forEach((line, i) => {
  for (const text of line.split("|")) {
    const c = rgb(parse(text));
    const got = [c.r, c.g, c.b].map((v) => Math.round(v * 255).toString(16).padStart(2, "0"))
      .join("").toUpperCase();
    if (got !== want[i]) wrong.push(text + " gave " + got + ", not " + want[i]);
  }
});
console.log(wrong.length + " wrong" + (wrong.length ? ": " + wrong.slice(0, 3).join("; ") : ""));
JS
)"

{
    echo '<!DOCTYPE html><html><body><pre id="out"></pre><pre id="levels"></pre><script>const pairs = ['
    paste -d'|' "$work/hsl" "$work/rgb" "$work/oklch" "$work/exact" "$work/forms" "$work/exacts" |
        awk -F'|' '{ split($2, c, " ");
        printf "%s[\"%s\", \"rgb(%d, %d, %d)\", \"%s\", \"%s\", [\"%s\", \"%s\", \"%s\", \"%s\"], [\"%s\", \"%s\", \"%s\", \"%s\"]]",
            (NR > 1 ? "," : ""), $1, c[1], c[2], c[3], $3, $4, $5, $6, $7, $8, $9, $10, $11, $12 }'
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
// lab(), lch(), oklab() and hwb(), each a pixel of a canvas beside its
// exact value's: the very bytes of its colour, or where the browser's own
// arithmetic draws even the exact value a level off, those bytes. Chromium
// reads oklab() half a level off CSS's arithmetic for some greens and
// cyans: as oklch(), it may come back a level off.
const wrongForms = [];
const levelOffForms = [0, 0, 0, 0];
for (let f = 0; f < 4; ++f) {
  const ctx = canvas.getContext("2d", {colorSpace: "srgb"});
  ctx.clearRect(0, 0, 2 * side, side);
  pairs.forEach(([, , , , forms, exacts], i) => {
    ctx.fillStyle = "#000"; ctx.fillStyle = forms[f];
    ctx.fillRect(i % side, Math.floor(i / side), 1, 1);
    ctx.fillStyle = "#000"; ctx.fillStyle = exacts[f];
    ctx.fillRect(side + i % side, Math.floor(i / side), 1, 1);
  });
  const drawn = ctx.getImageData(0, 0, 2 * side, side).data;
  pairs.forEach(([, rgb, , , forms], i) => {
    const at = (x) => 4 * (Math.floor(i / side) * 2 * side + x);
    const bytes = (x) => [0, 1, 2].map((c) => drawn[at(x) + c]);
    const got = "rgb(" + bytes(i % side).join(", ") + ")";
    const exact = "rgb(" + bytes(side + i % side).join(", ") + ")";
    if (got === rgb) return;
    const off = Math.max(...[0, 1, 2].map((c) => Math.abs(bytes(i % side)[c] - Number(rgb.slice(4, -1).split(", ")[c]))));
    if (got === exact || (f === 2 && off === 1)) ++levelOffForms[f];
    else wrongForms.push(forms[f] + " gave " + got + ", not " + rgb + " (its exact value " + exact + ")");
  });
}
document.getElementById("levels").textContent = levelOffForms.join(" ");
document.getElementById("out").textContent = pairs.length + " read; " + wrong.length + " wrong" +
  (wrong.length ? ": " + wrong.slice(0, 3).join("; ") : "") + " | oklch: " + wrongOklch.length +
  " wrong, " + (levelOff * 1000 > pairs.length ? "over" : "at most") + " one in a thousand a level off" + (wrongOklch.length ? ": " + wrongOklch.slice(0, 3).join("; ") : "") +
  " | lab lch oklab hwb: " + wrongForms.length + " wrong" + (wrongForms.length ? ": " + wrongForms.slice(0, 3).join("; ") : "");
</script></body></html>
JS
} >"$work/page.htm"
timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-dev-shm-usage \
    --user-data-dir="$work/profile" --dump-dom "file://$work/page.htm" 2>"$work/chromium.log" \
    >"$work/dom"
got=$(sed -n 's/.*<pre id="out">\([^<]*\)<\/pre>.*/\1/p' "$work/dom")
# How many came back a level off, as Chromium draws them: said, not judged.
echo "a level off in Chromium (lab lch oklab hwb): $(sed -n 's/.*<pre id="levels">\([^<]*\)<\/pre>.*/\1/p' "$work/dom")"
check "every hsl(), oklch(), lab(), lch(), oklab() and hwb() gives its colour back in Chromium" \
    "$(wc -l <"$work/codes") read; 0 wrong | oklch: 0 wrong, at most one in a thousand a level off | lab lch oklab hwb: 0 wrong" "$got"

echo "hsl in a browser: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
