#!/usr/bin/env bash
# What hvz writes over: an export never replaces a file unasked, never the
# book it reads, never a file the user may not write, never through a link
# another user planted in a shared folder; a save killed midway leaves a
# temporary that the next save into the folder clears.
#   hvz_files_test.sh HVZ
set -u
HVZ=$(realpath "$1")
source "$(dirname "$0")/../lib/check.sh"
work=$(mktemp -d)
chmod 755 "$work"
trap 'rm -rf "$work"' EXIT
printf '0\r\n255\r\n65280\r\n16711680\r\nFF0000\r\n00FF00\r\n0000FF\r\nOne\r\n' >"$work/b.hvz"
book=$(cat "$work/b.hvz")
run() { "$@" >/dev/null 2>"$work/err"; echo $?; }

# An existing file: refused, then replaced with --force.
echo "mine" >"$work/out.gpl"
check "existing target refused" 1 "$(run "$HVZ" export --format gpl "$work/b.hvz" -o "$work/out.gpl")"
check "existing target kept" mine "$(cat "$work/out.gpl")"
check "the refusal says why" 1 "$(grep -c 'exists; --force replaces it' "$work/err")"
check "--force replaces" 0 "$(run "$HVZ" export --format gpl "$work/b.hvz" -o "$work/out.gpl" --force)"
check "--force wrote the palette" "GIMP Palette" "$(head -n 1 "$work/out.gpl")"

# The book itself, by its name, another name or a link: never.
ln -s b.hvz "$work/link.hvz"
ln "$work/b.hvz" "$work/hard.hvz"
for target in "$work/b.hvz" "$work/./b.hvz" "$work/link.hvz" "$work/hard.hvz"; do
    check "own book $target refused" 1 \
        "$(run "$HVZ" export --format gpl "$work/b.hvz" -o "$target" --force)"
done
check "own book kept" "$book" "$(cat "$work/b.hvz")"
check "import over its own palette refused" 1 \
    "$(run "$HVZ" import "$work/out.gpl" -o "$work/out.gpl" --force)"
check "the palette kept" "GIMP Palette" "$(head -n 1 "$work/out.gpl")"

# A read-only file, even for the superuser, even with --force.
echo "locked" >"$work/ro.gpl"
chmod 0444 "$work/ro.gpl"
check "read-only refused" 1 "$(run "$HVZ" export --format gpl "$work/b.hvz" -o "$work/ro.gpl" --force)"
check "read-only kept" locked "$(cat "$work/ro.gpl")"
check "read-only reason" 1 "$(grep -c 'permission denied' "$work/err")"

# Leftovers of a save killed midway: ours and old are cleared, others stay.
mark=".huevella-save-"
touch -d '2000-01-01' "$work/.b.gpl${mark}Ab12Cd" "$work/.b.gpl.Ab12Cd"
touch -d '2999-01-01' "$work/.x.gpl${mark}Zz99Zz"
check "export beside leftovers" 0 "$(run "$HVZ" export --format css "$work/b.hvz" -o "$work/c.css")"
check "stale temporary of ours cleared" "" "$(ls -A "$work" | grep -F ".b.gpl${mark}")"
check "temporary of a running save kept" 1 "$(ls -A "$work" | grep -cF ".x.gpl${mark}")"
check "other hidden files kept" 1 "$(ls -A "$work" | grep -c '^\.b\.gpl\.Ab12Cd$')"
check "no temporary of its own left" "" "$(ls -A "$work" | grep -F "c.css${mark}")"

if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
    as_nobody() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
    # Where nobody may run it, whatever the build tree's folders allow.
    cp "$HVZ" "$work/hvz-copy" && chmod 755 "$work/hvz-copy"
    # Another user's file in a folder anyone may write to: a shell's write
    # says "Permission denied", and so does hvz.
    mkdir -m 0777 "$work/open"
    echo "root's" >"$work/open/theirs.gpl"
    chmod 0644 "$work/open/theirs.gpl"
    cp "$work/b.hvz" "$work/open/b.hvz" && chmod 0644 "$work/open/b.hvz"
    check "another user's file refused" 1 \
        "$(run as_nobody "$work/hvz-copy" export --format gpl "$work/open/b.hvz" -o "$work/open/theirs.gpl" --force)"
    check "another user's file kept" "root's" "$(cat "$work/open/theirs.gpl")"
    # A link planted by another user in a sticky shared folder is not
    # followed, whoever writes.
    mkdir -m 1777 "$work/shared"
    echo "precious" >"$work/precious"
    as_nobody ln -s "$work/precious" "$work/shared/out.gpl"
    check "planted link refused" 1 \
        "$(run "$HVZ" export --format gpl "$work/b.hvz" -o "$work/shared/out.gpl" --force)"
    check "planted link's target kept" precious "$(cat "$work/precious")"
    check "planted link reason" 1 "$(grep -c 'link another user made' "$work/err")"
    # Our own link there is ours to follow.
    echo "old" >"$work/mine.gpl"
    ln -s "$work/mine.gpl" "$work/shared/ours.gpl"
    check "own link followed" 0 "$(run "$HVZ" export --format gpl "$work/b.hvz" -o "$work/shared/ours.gpl" --force)"
    check "own link's target written" "GIMP Palette" "$(head -n 1 "$work/mine.gpl")"

    # Another user's book in a folder of theirs is rewritten where it is.
    # While we save it for 20 s, they swap it with a link to a file of ours
    # as fast as they can: our file is never written.
    victim() { env -u XDG_STATE_HOME -u XDG_RUNTIME_DIR HOME="$work/victim" \
        setpriv --reuid=4242 --regid=4242 --clear-groups "$@"; }
    mkdir -m 0755 "$work/victim" "$work/theirs"
    echo "precious" >"$work/victim/precious"
    chown -R 4242:4242 "$work/victim"
    cp "$work/b.hvz" "$work/theirs/book.hvz" && chmod 0666 "$work/theirs/book.hvz"
    chown -R 5555:5555 "$work/theirs"
    printf 'GIMP Palette\n1 2 3 New\n' >"$work/new.gpl"
    setpriv --reuid=5555 --regid=5555 --clear-groups /usr/bin/python3 - \
        "$work/theirs/book.hvz" "$work/victim/precious" 20 <<'PY' &
import ctypes, os, sys, time
rename2 = ctypes.CDLL(None).renameat2
book, link = sys.argv[1].encode(), sys.argv[1].encode() + b".link"
os.symlink(sys.argv[2], link)
end = time.time() + float(sys.argv[3])
while time.time() < end:
    for _ in range(1000):
        rename2(-100, book, -100, link, 2)  # AT_FDCWD, RENAME_EXCHANGE
PY
    swapper=$!
    saves=0
    while kill -0 "$swapper" 2>/dev/null; do
        victim "$work/hvz-copy" import "$work/new.gpl" -o "$work/theirs/book.hvz" --force 2>/dev/null &&
            saves=$((saves + 1))
    done
    check "a swapped-in link: our own file untouched ($saves saves went through)" precious \
        "$(cat "$work/victim/precious")"

    # A rewrite killed at each of its syncs in turn: the next hvz finds the
    # old book or the new one, never one cut short.
    if command -v strace >/dev/null; then
        printf 'GIMP Palette\n7 8 9 Other\n' >"$work/other.gpl"
        "$HVZ" import "$work/other.gpl" -o "$work/new.hvz" 2>/dev/null
        found=""
        for n in 1 2 3 4 5 6; do
            victim "$work/hvz-copy" import "$work/new.gpl" -o "$work/theirs/book.hvz" --force 2>/dev/null
            cp "$work/theirs/book.hvz" "$work/old.hvz"
            (strace -f -qq -o /dev/null -e trace=fsync -e inject=fsync:signal=SIGKILL:when=$n \
                setpriv --reuid=4242 --regid=4242 --clear-groups env HOME="$work/victim" \
                "$work/hvz-copy" import "$work/other.gpl" -o "$work/theirs/book.hvz" --force) 2>/dev/null
            victim "$work/hvz-copy" check "$work/theirs/book.hvz" >/dev/null 2>&1
            if cmp -s "$work/theirs/book.hvz" "$work/old.hvz"; then found+="old "
            elif "$HVZ" show "$work/theirs/book.hvz" 2>/dev/null | grep -q Other; then found+="new "
            else found+="lost "; fi
        done
        check "killed at each sync, the next start found" "old old old old new new " "$found"
    else
        echo "SKIP: killing a save midway needs strace"
    fi
else
    echo "SKIP: another user's files need root and setpriv"
fi

# Every palette GIMP ships (Debian's gimp-data) reads as a book that checks.
palettes=(/usr/share/gimp/2.0/palettes/*.gpl)
check "GIMP's palettes are installed" 1 "$([ -r "${palettes[0]}" ] && echo 1)"
refused=""
for palette in "${palettes[@]}"; do
    "$HVZ" import "$palette" -o "$work/gimp.hvz" --force 2>/dev/null &&
        "$HVZ" check "$work/gimp.hvz" >/dev/null || refused+=" $(basename "$palette")"
done
check "every GIMP palette imports (${#palettes[@]})" "" "$refused"

echo "hvz files: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
