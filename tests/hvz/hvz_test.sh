#!/usr/bin/env bash
# hvz as a user meets it: answers, messages, exit statuses and pipes.
set -u
HVZ=$1
source "$(dirname "$0")/../lib/check.sh"

# run ARGS...: sets out, err, rc
run() {
    local e; e=$(mktemp)
    out=$("$HVZ" "$@" 2>"$e"); rc=$?
    err=$(cat "$e"); rm -f "$e"
}

while IFS='|' read -r args expected; do
    run $args
    check "hvz $args" "$expected (0)" "$out ($rc)"
done <<'ROWS'
hsl 50 50 180|3FBFBF
hsl 50 100 0|FF0000
hsl 50 100 360|FF0000
hsl 50 100 120|00FF00
hsl 50 100 240|0000FF
hsl 50 20 0|996565
hsl 75 40 30|D8BFA5
hsl 100 37 200|FFFFFF
hsl 0 37 200|000000
hsl 50.5 +20 0.25|9A6767
rgb 63 191 191|180 50 49
rgb 255 0 0|0 100 50
rgb 0 0 255|240 100 50
rgb 255 0 255|300 100 50
rgb 128 128 128|0 0 50
rgb 255 255 255|0 0 100
rgb 255 0 254|301 100 50
code 51 102 153|336699
code 0 0 0|000000
code $33 0x66 x99|336699
hex 3399FF|51 153 255
hex 3399ff|51 153 255
hex #3399ff|51 153 255
hex #3366cc --css|rgb(51 102 204)
hsl --css 50 50 180|#3FBFBF
rgb 51 102 204 --css|hsl(220 60% 50%)
rgb 128 128 128 --css|hsl(0 0% 50.2%)
contrast 767676 #fff|4.54 AA AA-large AAA-large
hex #39f|51 153 255
hex 39F|51 153 255
hex FF0000|255 0 0
ROWS

while IFS='|' read -r args message; do
    run $args
    check "hvz $args" "hvz: $message (1)" "$err ($rc)"
    check "hvz $args prints nothing" "" "$out"
done <<'ROWS'
hex 33g9ff|'g' is not a valid integer value
hex 3399f|'3399f' is not a colour code: it needs six hexadecimal digits, or three
hex #3399f|'#3399f' is not a colour code: it needs six hexadecimal digits, or three
code 1 2x 3|'2x' is not a valid integer value
code 1 2 99999999999|'99999999999' is not a valid integer value
hsl 50 abc 0|'abc' is not a decimal number
hsl 50 1e2 0|'1e2' is not a decimal number
rgb 1 2 nan|'nan' is not a decimal number
ROWS

# Pipes: one result line per good line, numbered messages for the others.
out=$(printf '50 50 180\n50 100 0\r\nbad line here\n75 40 30' | "$HVZ" hsl 2>/tmp/hvz_err.$$); rc=$?
check "pipe results" $'3FBFBF\nFF0000\nD8BFA5' "$out"
check "pipe status" 1 "$rc"
check "pipe message" "hvz: line 3: 'bad' is not a decimal number" "$(cat /tmp/hvz_err.$$)"
rm -f /tmp/hvz_err.$$

out=$(printf '63 191 191\n255 0 255\n' | "$HVZ" rgb); rc=$?
check "rgb pipe" $'180 50 49\n300 100 50 (0)' "$out ($rc)"
out=$(printf 'AbCdEf\n000000\n' | "$HVZ" hex); rc=$?
check "hex pipe" $'171 205 239\n0 0 0 (0)' "$out ($rc)"

# A large pipe keeps every line and its order.
out=$(seq 0 99999 | awk '{print 50, 100, $1 % 361}' | "$HVZ" hsl | wc -l)
check "100000 lines" 100000 "$out"

# Books: show and check go through the program's reader.
book=$(mktemp --suffix=.hvz)
printf '1\r\n255\r\n65280\r\n6246480\r\nFF0000\r\n00FF00\r\nspace\r\nUntitled-1\r\n16777215\r\n6246480\r\n6246480\r\nFFFFFF\r\nspace\r\nspace\r\nEvening walk' >"$book"
run check "$book"
check "check good book" "$book: a book of 2 cards (0)" "$out ($rc)"
run show "$book"
check "show" "$book: 2 cards

Card 1: Untitled-1
  1  FF0000  255
  2  00FF00  65280
  3  empty

Card 2: Evening walk
  1  FFFFFF  16777215
  2  empty
  3  empty (0)" "$out ($rc)"
# show --format writes what export would, to standard output.
for format in css json gpl; do
    check "show --format $format" "$("$HVZ" export --format "$format" "$book")" \
        "$("$HVZ" show "$book" --format "$format")"
done
check "show --format json is JSON" "Evening walk" \
    "$("$HVZ" show --format json "$book" | /usr/bin/python3 -c 'import json, sys; print(json.load(sys.stdin)["cards"][1]["title"])')"
run show "$book" --format ase
check "show --format ase refused" "2" "$rc"
printf '1\n255\nred\n' >"$book"
run check "$book"
check "check bad book" "hvz: $book: line 3: a colour number was expected (1)" "$err ($rc)"
run show "$book"
check "show bad book" "hvz: $book: line 3: a colour number was expected (1)" "$err ($rc)"
rm -f "$book"

# What is not a book is refused at once, in one clear sentence; a pipe
# named as a book must not hang the reader.
files=$(mktemp -d)
mkfifo "$files/pipe.hvz"
mkdir "$files/folder.hvz"
printf '\n0\n255\n0\n0\nFF0000\nspace\nspace\nT' >"$files/blank.hvz"
while IFS='|' read -r file message; do
    e=$(mktemp)
    timeout 5 "$HVZ" check "$file" >/dev/null 2>"$e"; rc=$?
    check "check $file" "hvz: $file: $message (1)" "$(cat "$e") ($rc)"
    rm -f "$e"
done <<ROWS
$files/pipe.hvz|it is not a regular file
$files/folder.hvz|it is a directory
/dev/null|it is not a regular file
/nonexistent/book.hvz|no such file or directory
$files/blank.hvz|line 1: a card count from 0 to 9 was expected
ROWS
rm -rf "$files"

run --help
check "help names every command" "6" "$(grep -cE '^  (hsl|rgb|hex|code|show|check) ' <<<"$out")"
check "help says the two orders" "1 1" "$(grep -c 'hsl takes luminance first' <<<"$out") $(grep -c 'rgb prints hue first' <<<"$out")"
run --version
check "version" "0" "$rc"
run frobnicate
check "unknown command status" "2" "$rc"

# Operands outside their domain are refused, naming the operand and its range.
while IFS='|' read -r args expected; do
    run $args
    check "hvz $args" "$expected" "$out$err ($rc)"
done <<'ROWS'
hsl 100 100 360|FFFFFF (0)
hsl 0 0 0|000000 (0)
hsl 101 50 0|hvz: luminance '101' is out of range (0 to 100) (1)
hsl -1 50 0|hvz: luminance '-1' is out of range (0 to 100) (1)
hsl 1000000000000 0 0|hvz: luminance '1000000000000' is out of range (0 to 100) (1)
hsl 50 100.5 0|hvz: saturation '100.5' is out of range (0 to 100) (1)
hsl 50 50 361|hvz: hue '361' is out of range (0 to 360) (1)
hsl 50 50 -0.5|hvz: hue '-0.5' is out of range (0 to 360) (1)
rgb 255 255 255|0 0 100 (0)
rgb 1 -1 0|hvz: green '-1' is out of range (0 to 255) (1)
rgb 256 0 0|hvz: red '256' is out of range (0 to 255) (1)
rgb 0 0 255.5|hvz: blue '255.5' is out of range (0 to 255) (1)
code 255 $FF 0|FFFF00 (0)
code 1000 -5 0|hvz: red '1000' is out of range (0 to 255) (1)
code 0 -5 0|hvz: green '-5' is out of range (0 to 255) (1)
ROWS

# Usage errors exit 2, every message begins with "hvz:".
while IFS='|' read -r args expected; do
    run $args
    check "usage: hvz $args" "$expected (2)" "$err ($rc)"
done <<'ROWS'
hsl 50 50|hvz: 'hsl' takes 3 operands (L S H), not 2
code 1 2 3 4|hvz: 'code' takes 3 operands (R G B), not 4
check|hvz: 'check' takes one operand (FILE)
show a.hvz b.hvz|hvz: 'show' takes one operand (FILE)
ROWS

# A failed write is a failure: a full device as standard output.
book=$(mktemp --suffix=.hvz)
printf '0
255
0
0
FF0000
space
space
T' >"$book"
for args in "hsl 50 50 180" "show $book" "check $book" "--help" "--version"; do
    "$HVZ" $args >/dev/full 2>/tmp/hvz_err.$$; rc=$?
    check "hvz $args >/dev/full" "hvz: cannot write the output: no space left on device (1)" \
        "$(cat /tmp/hvz_err.$$) ($rc)"
done
printf '50 50 180\n' | "$HVZ" hsl >/dev/full 2>/tmp/hvz_err.$$; rc=$?
check "pipe >/dev/full" "hvz: cannot write the output: no space left on device (1)" \
    "$(cat /tmp/hvz_err.$$) ($rc)"

# Nothing from a file reaches the terminal as a control: the name and the
# titles are shown with their control characters escaped.
printf '0\n255\n0\n0\nFF0000\nspace\nspace\nTi\xc2\x9b2Jtle\x1b]0;x\x07' >"$book"
odd="$(dirname "$book")/$(printf 'odd\e[2Jname').hvz"
cp "$book" "$odd"
run show "$odd"
check "show escapes" "0" "$(printf '%s' "$out" | LC_ALL=C grep -cP '[\x00-\x08\x0b-\x1f\x7f]|\xc2[\x80-\x9f]')"
check "show writes the escapes" "1" "$(grep -c 'odd\\x1B\[2Jname.hvz: 1 card' <<<"$out")"
check "show writes C1 escaped" "1" "$(grep -c 'Card 1: Ti\\u009B2Jtle' <<<"$out")"
run check "$odd"
check "check escapes the name" "0" "$(printf '%s' "$out" | LC_ALL=C grep -cP '\x1b')"
rm -f "$book" "$odd"

# A line too long is refused with its number; the lines after it go on.
out=$( { echo 50 50 180; head -c 5000 /dev/zero | tr '\0' '7'; echo; echo 50 100 0; } |
    "$HVZ" hsl 2>/tmp/hvz_err.$$); rc=$?
check "long line results" $'3FBFBF\nFF0000 (1)' "$out ($rc)"
check "long line message" "hvz: line 2: the line is longer than 4096 characters" \
    "$(cat /tmp/hvz_err.$$)"
rm -f /tmp/hvz_err.$$

# Whole numbers in a stream go a quicker way than the rest; a CR before each
# line end sends every line the general way without changing its meaning.
# Both must give the same results, messages, line numbers and status, across
# reads of a megabyte and through a pipe that hands over less at a time.
work=$(mktemp -d)
# stream_input MAX1 MAX2 MAX3: 110,000 lines in range, odd ones between.
stream_input() {
    awk -v a="$1" -v b="$2" -v c="$3" 'BEGIN {
        for (rep = 1; rep <= 110000; rep++) {
            printf "%d %d %d\n", rep % (a + 1), rep * 7 % (b + 1), rep * 13 % (c + 1)
            k = rep % 1000
            if (k == 1) printf "0000050\t 50 \t0000180  \n00000050 50 180\n"
            if (k == 2) printf "%d 0 0\n50 50 %d\n50.5 +20 0.25\n-0 0 0\n50 50\n50 50 180 1\n\n", a + 1, c + 1
            if (k == 3) printf "50 50 180%4087s\n50 50 180%4088s\n", "", ""
            if (k == 4) printf "  7 8 9\n1e2 0 0\n9999999 0 0\n"
        }
        printf "75 40 30"
    }'
}
stream_input 100 100 360 >"$work/hsl"
stream_input 255 255 255 >"$work/rgb"
for command in hsl rgb; do
    sed 's/$/\r/' "$work/$command" >"$work/$command.cr"
    HVZ_GENERAL_READER=1 "$HVZ" "$command" <"$work/$command" >"$work/general" 2>"$work/general.err"
    echo "status $?" >>"$work/general"
    "$HVZ" "$command" <"$work/$command" >"$work/quick" 2>"$work/quick.err"
    echo "status $?" >>"$work/quick"
    # Lines ended CRLF, as a Windows editor leaves them, read alike.
    "$HVZ" "$command" <"$work/$command.cr" >"$work/crlf" 2>"$work/crlf.err"
    echo "status $?" >>"$work/crlf"
    check "$command: CRLF lines as LF ones" "" "$(cat "$work/crlf" "$work/crlf.err" |
        cmp - <(cat "$work/quick" "$work/quick.err") 2>&1)"
    cat "$work/$command" | "$HVZ" "$command" >"$work/piped" 2>"$work/piped.err"
    echo "status $?" >>"$work/piped"
    check "$command: results, either way" "" "$(cmp "$work/general" "$work/quick" 2>&1)"
    check "$command: messages, either way" "" "$(cmp "$work/general.err" "$work/quick.err" 2>&1)"
    check "$command: through a pipe" "" "$(cat "$work/quick" "$work/quick.err" |
        cmp - <(cat "$work/piped" "$work/piped.err") 2>&1)"
    check "$command: the input crossed a block" "1" "$(($(stat -c %s "$work/$command") > 1048576))"
    check "$command: messages were made" "880" "$(wc -l <"$work/quick.err")"
done
check "rgb --css from a pipe" "hsl(220 60% 50%)|hsl(180 50.4% 49.8%)" \
    "$(printf '51 102 204\n63 191 191\n' | "$HVZ" rgb --css | paste -sd '|')"
# Input that cannot be read is a failure, not an empty input.
for command in hsl rgb hex contrast; do
    out=$("$HVZ" "$command" <"$work" 2>"$work/err"); rc=$?
    check "$command < a folder" "hvz: cannot read the input: is a directory (1)" "$(cat "$work/err")$out ($rc)"
done
check "the last line" "D8BFA5" "$("$HVZ" hsl <"$work/hsl" 2>/dev/null | tail -n 1)"
# What hvz echoes back (an operand, a line read, a title) drives no
# terminal: C0 and C1 controls come out escaped.
esc=$'\e]0;owned\a' csi=$'\xc2\x9b31m'
"$HVZ" hex "$esc" 2>"$work/err"
check "an operand echoed escaped" "hvz: '\\x1B]0;owned\\x07' is not a colour code: it needs six hexadecimal digits, or three" "$(cat "$work/err")"
printf '1 2 x%s\n' "$csi" | "$HVZ" rgb 2>"$work/err"
check "a line read echoed escaped" "0" "$(LC_ALL=C grep -c $'\e\|\xc2\x9b' "$work/err")"
check "a line read echoed, its C1 named" "1" "$(grep -c 'u009B' "$work/err")"
printf '0\r\n255\r\n255\r\n255\r\nFF0000\r\nFF0000\r\nFF0000\r\nA%sB\r\n' "$csi" >"$work/c1.hvz"
for format in json gpl css; do
    check "show --format $format writes no control" "0" \
        "$("$HVZ" show "$work/c1.hvz" --format "$format" | LC_ALL=C grep -c $'\e\|\xc2\x9b')"
done
# A reader that goes away: status 1 and the reason, not SIGPIPE's 141.
yes '50 50 180' | head -n 400000 >"$work/many"
"$HVZ" hsl <"$work/many" 2>"$work/err" | head -c 1 >/dev/null
check "a closed pipe" "1 hvz: cannot write the output: broken pipe" "${PIPESTATUS[0]} $(cat "$work/err")"
rm -rf "$work"

echo "hvz: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
