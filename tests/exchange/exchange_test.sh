#!/usr/bin/env bash
# A book's colours in other tools' formats, each read back by a reader that
# is not ours: Pillow's GIMP palette reader, the npm package ase-util, a real
# browser for CSS, Python's json; and a GIMP palette imported as a book.
set -u
HVZ=$1
NODE_MODULES=$2 # where ase-util is installed
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$(dirname "$0")/../lib/check.sh"

# Three books: titles with quotes, emoji, a control character and other
# scripts, an empty slot; one card; ten cards.
card() { printf '%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s\r\n%s' "$@"; }
{
    printf '2\r\n'
    card 255 65280 6246480 FF0000 00FF00 space 'Sea "side"'; printf '\r\n'
    card 16777215 12345 6246480 FFFFFF 393000 space 'Café ☕ 🌊'; printf '\r\n'
    card 8421504 6246480 16711680 808080 space 0000FF $'Σ\tМосква 東京'
} >"$work/mixed.hvz"
{ printf '0\r\n'; card 255 255 255 FF0000 FF0000 FF0000 'One'; } >"$work/one.hvz"
{
    printf '9\r\n'
    for i in $(seq 1 10); do card $((i * 20)) 0 65280 "$(printf '%02X0000' $((i * 20)))" space 00FF00 "Card $i"; printf '\r\n'; done
} >"$work/ten.hvz"

for book in mixed one ten; do
    # GIMP palette, round trip through import.
    "$HVZ" export --format gpl "$work/$book.hvz" -o "$work/$book.gpl"
    "$HVZ" import "$work/$book.gpl" -o "$work/$book-back.hvz"
    check "$book: gpl round trip" "$("$HVZ" show "$work/$book.hvz" | tail -n +2)" \
        "$("$HVZ" show "$work/$book-back.hvz" | tail -n +2)"
    # Pillow reads the palette: the colours, in order.
    want=$("$HVZ" show "$work/$book.hvz" | grep -oE '^  [123]  [0-9A-F]{6}' | awk '{print $2}' | tr '\n' ' ')
    got=$(/usr/bin/python3 - "$work/$book.gpl" <<'PY'
import sys
from PIL.GimpPaletteFile import GimpPaletteFile
with open(sys.argv[1], "rb") as f:
    lines = f.read().split(b"\n")
    f.seek(0)
    palette = GimpPaletteFile(f).getpalette()[0]
# Pillow keeps a palette entry for every line after the header.
for i, line in enumerate(lines[1:]):
    if line and not line.startswith((b"#", b"Name:", b"Columns:")):
        print("%02X%02X%02X" % tuple(palette[3 * i:3 * i + 3]), end=" ")
PY
)
    check "$book: Pillow reads the gpl" "$want" "$got"
    # ase-util reads the swatches: a group a card, the colours by name.
    "$HVZ" export --format ase "$work/$book.hvz" -o "$work/$book.ase"
    got=$(NODE_PATH="$NODE_MODULES" node -e '
        const ase = require("ase-util");
        const groups = ase.read(require("fs").readFileSync(process.argv[1]));
        console.log(groups.map(g => g.entries.map(e => e.color.hex).join(" ")).join(" "));
    ' "$work/$book.ase")
    check "$book: ase-util reads the ase" "$want" "$got "
    # JSON: valid, and the titles as they are.
    "$HVZ" export --format json "$work/$book.hvz" -o "$work/$book.json"
    check "$book: json is valid" 0 "$(python3 -m json.tool "$work/$book.json" >/dev/null; echo $?)"
    got=$(python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); print("|".join(c["title"] for c in d["cards"]))' "$work/$book.json")
    check "$book: json titles" "$("$HVZ" show "$work/$book.hvz" | sed -n 's/^Card [0-9]*: //p' | paste -sd'|')" "$got"
done

# CSS in a real browser: every property resolves to its colour.
"$HVZ" export --format css "$work/mixed.hvz" -o "$work/mixed.css"
cat >"$work/page.htm" <<HTML
<!DOCTYPE html><html><head><style>$(cat "$work/mixed.css")</style></head><body><pre id="out"></pre>
<script>
const style = document.styleSheets[0].cssRules[0].style, probe = document.createElement("i");
document.body.append(probe);
const out = [];
for (const name of style) { probe.style.color = "var(" + name + ")";
  out.push(name + "=" + getComputedStyle(probe).color); }
document.getElementById("out").textContent = out.join(" ");
</script></body></html>
HTML
got=$(timeout 60 chromium --headless --no-sandbox --disable-gpu --user-data-dir="$work/profile" \
    --dump-dom "file://$work/page.htm" 2>/dev/null | sed -n 's/.*<pre id="out">\(.*\)<\/pre>.*/\1/p')
check "css in a browser, names in every script" "--sea-side-1=rgb(255, 0, 0) --sea-side-2=rgb(0, 255, 0) --café-☕-🌊-1=rgb(255, 255, 255) --café-☕-🌊-2=rgb(57, 48, 0) --Σ-Москва-1=rgb(128, 128, 128) --Σ-Москва-3=rgb(0, 0, 255)" "$got"

# A book from a Latin-1 system: its file name and title are not UTF-8, and
# every export is still what its format requires.
latin=$(printf 'caf\xe9')
{ printf '0\r\n'; card 255 255 255 FF0000 FF0000 FF0000 "$(printf 'Cr\xe8me')"; } >"$work/$latin.hvz"
"$HVZ" export --format json "$work/$latin.hvz" -o "$work/latin.json"
got=$(python3 -c 'import json,sys; d=json.load(open(sys.argv[1], encoding="utf-8")); print(d["name"], d["cards"][0]["title"])' "$work/latin.json" 2>&1)
check "json of a Latin-1 name and title" "café Crème" "$got"
"$HVZ" show --format json "$work/$latin.hvz" >"$work/latin-show.json"
check "show --format json of a Latin-1 name" 0 "$(python3 -m json.tool "$work/latin-show.json" >/dev/null; echo $?)"
"$HVZ" export --format gpl "$work/$latin.hvz" -o "$work/latin.gpl"
check "gpl of a Latin-1 name is UTF-8" "Name: café" "$(iconv -f UTF-8 -t UTF-8 "$work/latin.gpl" 2>&1 | sed -n 2p)"

# Palettes from elsewhere.
gpl() { printf 'GIMP Palette\r\nName: test\r\n#\r\n'; printf '%s\r\n' "$@"; }
gpl "  0 128 255	Sky" "255 255 255" >"$work/crlf.gpl"
"$HVZ" import "$work/crlf.gpl" -o "$work/crlf.hvz" 2>"$work/err"; rc=$?
check "CRLF palette" "0 0080FF FFFFFF" "$rc $("$HVZ" show "$work/crlf.hvz" | grep -oE '^  [123]  [0-9A-F]{6}' | awk '{print $2}' | paste -sd' ')"
check "a name that fits is the title" 1 "$("$HVZ" show "$work/crlf.hvz" | grep -c '^Card 1: Sky$')"
while IFS='|' read -r name content message; do
    printf "$content" >"$work/bad.gpl"
    "$HVZ" import "$work/bad.gpl" -o "$work/bad.hvz" 2>"$work/err"; rc=$?
    check "$name" "hvz: $work/bad.gpl: $message (1)" "$(cat "$work/err") ($rc)"
    check "$name writes nothing" "no" "$([ -e "$work/bad.hvz" ] && echo yes || echo no)"
done <<'ROWS'
no header|0 0 0\n|line 1: "GIMP Palette" was expected
bad numbers|GIMP Palette\n1 2 x Name\n|line 2: three channel numbers from 0 to 255 were expected
channel above 255|GIMP Palette\n#\n1 2 3\n0 256 0\n|line 4: the channel '256' is out of range (0 to 255)
no colours|GIMP Palette\nName: empty\n|line 2: the palette has no colours
ROWS
{ printf 'GIMP Palette\n'; for i in $(seq 1 40); do printf '%d 0 0\n' "$i"; done; } >"$work/forty.gpl"
"$HVZ" import "$work/forty.gpl" -o "$work/forty.hvz" 2>"$work/err"; rc=$?
check "forty colours" "0 hvz: $work/forty.gpl: 40 colours, and a book holds 30: the last 10 colours are left out" "$rc $(cat "$work/err")"
check "forty colours: ten cards" 1 "$("$HVZ" show "$work/forty.hvz" | grep -c ': 10 cards$')"
"$HVZ" import "$work/forty.gpl" -o "$work/forty.hvz" 2>"$work/err"; rc=$?
check "no overwrite" "1 hvz: $work/forty.hvz exists; --force replaces it" "$rc $(cat "$work/err")"
"$HVZ" import "$work/crlf.gpl" -o "$work/forty.hvz" --force 2>/dev/null
check "--force" 1 "$("$HVZ" show "$work/forty.hvz" | grep -c ': 1 card$')"

echo "exchange: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
