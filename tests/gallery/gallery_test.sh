#!/usr/bin/env bash
# The page Preview Files opens, in a real browser (headless Chromium): the
# books shown as cards, empty slots in the blank colour as the windows show
# it, and a broken file named as such.
set -u
PAGE=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0
check() { # check NAME CONDITION...
    local name=$1; shift
    if "$@"; then passes=$((passes + 1)); else failures=$((failures + 1)); echo "FAIL $name"; fi
}

# The page as the user sees it after choosing three books: the file input is
# the browser's own, so the books are handed to the page's showBook directly.
books=$(cat <<'JS'
showBook("two.hvz", "1\r\n255\r\n65280\r\n6246480\r\nFF0000\r\n00FF00\r\nspace\r\nUntitled-1\r\n" +
  "16777215\r\n6246480\r\n6246480\r\nFFFFFF\r\nspace\r\nspace\r\nEvening walk");
showBook("windows.hvz", "\uFEFF0\r\n16711680\r\n0\r\n0\r\n0000FF\r\n000000\r\n000000\r\n");
showBook("broken.hvz", "3\n255\nred\n");
JS
)
# The page's contrast of pairs near every threshold, against an exact
# computation.
python3 "$(dirname "$0")/../hvz/exact_contrast.py" 7 >"$work/exact"
books+=$'\n'"document.body.append(el('pre', 'exact', ["
books+=$(awk '{ printf "%s[\"#%s\", \"#%s\"]", (NR > 1 ? "," : ""), $1, $2 }' "$work/exact")
books+="].map(([a, b]) => contrast(a, b)).join(' ')));"
{
    sed '/<\/body>/,$d' "$PAGE"
    printf '<script>\n%s\n</script>\n</body>\n</html>\n' "$books"
} >"$work/page.htm"
run_chromium() {
    timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-dev-shm-usage \
        --user-data-dir="$work/profile" "$@" "file://$work/page.htm" 2>"$work/chromium.log"
}
run_chromium --dump-dom >"$work/dom.html" || { cat "$work/chromium.log"; exit 1; }

dom() { grep -o "$1" "$work/dom.html" | wc -l; }
check "three books shown" [ "$(dom '<section class="book">')" = 3 ]
check "cards of the good books" [ "$(dom '<div class="card">')" = 3 ]
# 0x5F5050: red 0x50, green 0x50, blue 0x5F.
check "empty slots in the blank colour" [ "$(dom 'rgb(80, 80, 95)')" = 3 ]
check "never the colour read backwards" [ "$(dom 'rgb(95, 80, 80)')" = 0 ]
check "red slot" grep -q 'background: rgb(255, 0, 0);"><span title="Click to Copy">FF0000' "$work/dom.html"
check "titles" grep -q '>Evening walk<' "$work/dom.html"
check "an empty last title reads as the default" grep -q '<div class="title">Untitled-1</div><div class="slots"><div class="slot" style="background: rgb(0, 0, 255)' "$work/dom.html"
# Each card's pairs of filled slots with their contrast, as hvz contrast
# gives it: red and green; the blue and the two blacks; none for one colour.
HVZ=${2:-}
if [ -n "$HVZ" ]; then
    rg=$("$HVZ" contrast FF0000 00FF00 | cut -d' ' -f1)
    bk=$("$HVZ" contrast 0000FF 000000 | cut -d' ' -f1)
    check "the contrast of a card's pair" grep -q "Contrast 1:2 $rg<" "$work/dom.html"
    check "the contrast of every pair" grep -q "Contrast 1:2 $bk · 1:3 $bk · 2:3 1.00<" "$work/dom.html"
    check "no contrast for one colour" [ "$(dom 'class="contrast"')" = 2 ]
fi
check "the page cuts the exact ratio near every threshold" [ \
    "$(grep -o '<pre class="exact">[^<]*' "$work/dom.html" | sed 's/.*>//')" = "$(cut -d' ' -f3 "$work/exact" | paste -sd' ')" ]
check "the broken book is named" grep -q 'Not a book file: card 1 is incomplete' "$work/dom.html"

# A picture of the page, for a person to look at.
run_chromium --screenshot="$work/page.png" --window-size=900,700 >/dev/null
check "the page renders" test -s "$work/page.png"
[ -n "${GALLERY_SHOT:-}" ] && cp "$work/page.png" "$GALLERY_SHOT"

echo "gallery: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
