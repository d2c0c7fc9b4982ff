#!/usr/bin/env bash
# The hsl() the code menu copies, read back by a real browser (headless
# Chromium): every CSS named colour and a large random sample come back as
# the very colour they were copied from.
set -u
HVZ=$1
NAMES=$2 # colour/CssNames.cpp: the named colours
source "$(dirname "$0")/../lib/check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

{
    sed -n 's/.*{"\([a-z]*\)", 0x\([0-9A-F]\{6\}\)}.*/\2/p' "$NAMES"
    awk 'BEGIN { srand(2026); for (i = 0; i < 40000; i++) printf "%06X\n", int(rand() * 16777216) }'
} >"$work/codes"
check "the named colours were found" 1 "$([ "$(grep -c . "$work/codes")" -ge 40140 ] && echo 1)"
"$HVZ" hex <"$work/codes" >"$work/rgb"
"$HVZ" rgb --css <"$work/rgb" >"$work/hsl"
check "one hsl() a colour" "$(wc -l <"$work/codes")" "$(wc -l <"$work/hsl")"
check "one decimal at most" "" "$(grep -E '\.[0-9]{2}' "$work/hsl" | head -3)"

{
    echo '<!DOCTYPE html><html><body><pre id="out"></pre><script>const pairs = ['
    paste -d'|' "$work/hsl" "$work/rgb" | awk -F'|' '{ split($2, c, " ");
        printf "%s[\"%s\", \"rgb(%d, %d, %d)\"]", (NR > 1 ? "," : ""), $1, c[1], c[2], c[3] }'
    cat <<'JS'
];
const probe = document.createElement("i");
document.body.append(probe);
const wrong = [];
for (const [hsl, rgb] of pairs) {
  probe.style.color = "";
  probe.style.color = hsl;
  const got = getComputedStyle(probe).color;
  if (got !== rgb) wrong.push(hsl + " gave " + got + ", not " + rgb);
}
document.getElementById("out").textContent = pairs.length + " read; " + wrong.length + " wrong" +
  (wrong.length ? ": " + wrong.slice(0, 3).join("; ") : "");
</script></body></html>
JS
} >"$work/page.htm"
got=$(timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-dev-shm-usage \
    --user-data-dir="$work/profile" --dump-dom "file://$work/page.htm" 2>"$work/chromium.log" |
    sed -n 's/.*<pre id="out">\(.*\)<\/pre>.*/\1/p')
check "every hsl() gives its colour back in Chromium" "$(wc -l <"$work/codes") read; 0 wrong" "$got"

echo "hsl in a browser: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
