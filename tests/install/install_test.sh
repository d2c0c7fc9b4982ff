#!/usr/bin/env bash
# Huevella installed as a desktop application: into a temporary DESTDIR, the
# tree it gives, the validators of the desktop's formats, the book MIME type
# as the desktop's tools see it, the manual pages, the Debian package, and
# the installed program finding its page and icon.
set -u
BUILD=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0
check() { # check NAME COMMAND...
    local name=$1; shift
    if "$@" >"$work/out" 2>&1; then
        passes=$((passes + 1))
    else
        failures=$((failures + 1))
        echo "FAIL $name"; sed 's/^/  /' "$work/out"
    fi
}
id=org.huevella.huevella
dest="$work/dest"
DESTDIR="$dest" cmake --install "$BUILD" --prefix /usr >/dev/null || { echo "FAIL install"; exit 1; }
share="$dest/usr/share"

# Every file, and nothing beside them, nothing outside the prefix.
expected=$(cat <<LIST | sort
usr/bin/huevella
usr/bin/hvz
usr/share/applications/$id.desktop
usr/share/bash-completion/completions/huevella
usr/share/bash-completion/completions/hvz
usr/share/doc/huevella/changelog.Debian.gz
usr/share/doc/huevella/copyright
usr/share/huevella/gallery/login.htm
usr/share/huevella/translations/huevella_de.qm
usr/share/huevella/translations/huevella_es.qm
usr/share/huevella/translations/huevella_fr.qm
usr/share/icons/hicolor/16x16/apps/$id.png
usr/share/icons/hicolor/24x24/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/64x64/apps/$id.png
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/lintian/overrides/huevella
usr/share/man/man1/huevella.1.gz
usr/share/man/man1/hvz.1.gz
usr/share/metainfo/$id.metainfo.xml
usr/share/mime/packages/$id.xml
LIST
)
check "the installed tree" [ "$(cd "$dest" && find . -type f -o -type l | sed 's|^\./||' | sort)" = "$expected" ]
for size in 16 24 32 48 64 128 256; do
    check "icon $size" [ "$(identify -format '%wx%h' "$share/icons/hicolor/${size}x$size/apps/$id.png")" = "${size}x$size" ]
done

# The validators say nothing, hints included.
check "desktop-file-validate" bash -c "out=\$(desktop-file-validate '$share/applications/$id.desktop') && [ -z \"\$out\" ] || { echo \"\$out\"; false; }"
check "appstreamcli validate" appstreamcli validate --pedantic --no-net "$share/metainfo/$id.metainfo.xml"
# In the languages the windows speak, as the desktop's menus and software
# centres read them.
for field in "GenericName[de]=Farbwähler" "Comment[fr]=Collecter" "Name[es]=Tomar un color"; do
    check "the desktop entry has $field" grep -qF "$field" "$share/applications/$id.desktop"
done
check "AppStream's summary in French" grep -q '<summary xml:lang="fr">Collecter' "$share/metainfo/$id.metainfo.xml"
check "no screenshot of the web that leads nowhere" bash -c "! grep -q '<image>https\\?://' '$share/metainfo/$id.metainfo.xml'"
check "xmllint mime" xmllint --noout "$share/mime/packages/$id.xml"
check "xmllint svg" xmllint --noout "$share/icons/hicolor/scalable/apps/$id.svg"
check "man huevella" bash -c "MANWIDTH=80 man -l --warnings '$share/man/man1/huevella.1.gz' 2>&1 >/dev/null | (! grep .)"
check "man hvz" bash -c "MANWIDTH=80 man -l --warnings '$share/man/man1/hvz.1.gz' 2>&1 >/dev/null | (! grep .)"
# The manual pages list Export… and say each conversion's order by example.
# (the text as one line, spaces squeezed: man justifies and wraps it).
page() { MANWIDTH=80 man -l "$1" 2>/dev/null | tr -s ' \n' '  '; }
check "man huevella lists Export" grep -q 'Save As, Export…, Import…, Preview Files' <(page "$share/man/man1/huevella.1.gz")
check "man hvz says the orders" grep -q 'luminance first, hue last.*hvz rgb 63 191 191 prints 180 50 49' <(page "$share/man/man1/hvz.1.gz")
# Both programs built with Debian's hardening. Control-flow protection is
# not among Debian 12's flags (its own C start files lack it, so no program
# there has it): that check is left out.
for program in huevella hvz; do
    check "hardening-check $program" hardening-check --nocfprotection "$dest/usr/bin/$program"
done

# The book type as the desktop sees it, from the installed MIME package.
mkdir -p "$work/mime/packages"
cp "$share/mime/packages/$id.xml" "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null 2>&1
printf '0\n255\n0\n0\nFF0000\nspace\nspace\nT' >"$work/sea.hvz"
check "xdg-mime" [ "$(XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work:/usr/share" xdg-mime query filetype "$work/sea.hvz")" = "application/x-huevella-book" ]
# The type claims upper case too, and the program opens such a file
# (tests/cli/huevella_cli_test.sh): none the desktop hands over is dropped.
cp "$work/sea.hvz" "$work/SEA.HVZ"
check "xdg-mime, upper case" [ "$(XDG_DATA_HOME="$work" XDG_DATA_DIRS="$work:/usr/share" xdg-mime query filetype "$work/SEA.HVZ")" = "application/x-huevella-book" ]
check "huevella completion" bash -c "source '$share/bash-completion/completions/huevella'; COMP_WORDS=(huevella --format ok); COMP_CWORD=2; _huevella; [ \"\${COMPREPLY[*]}\" = 'oklch oklab' ]"
check "hvz completion" bash -c "source '$share/bash-completion/completions/hvz'; COMP_WORDS=(hvz ch); COMP_CWORD=1; _hvz; [ \"\${COMPREPLY[*]}\" = check ]"
# Every command hvz --help names is completed and in the manual's synopsis,
# and so are the options of hsl, rgb, hex, contrast and show.
completions() { # completions WORD...: the candidates for the last word, one a line
    bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _hvz
        printf "%s\n" "${COMPREPLY[@]}"' _ "$share/bash-completion/completions/hvz" "$@"
}
commands="hsl rgb hex code contrast show check export import"
for c in $commands; do
    check "hvz --help has $c" grep -qE "^  $c " <<<"$("$BUILD/bin/hvz" --help)"
    check "hvz completion has $c" grep -qx "$c" <<<"$(completions hvz '')"
done
check "hvz completion: rgb --css" [ "$(completions hvz rgb 1 2 3 --)" = --css ]
check "huevella completion: --average" bash -c "source '$share/bash-completion/completions/huevella'; COMP_WORDS=(huevella --pick --average ''); COMP_CWORD=3; _huevella; [ \"\${COMPREPLY[*]}\" = '1 3 5 7' ]"
check "hvz completion: contrast --min --apca" [ "$(completions hvz contrast 000 fff '' | paste -sd' ')" = "--min --apca" ]
check "hvz completion: show --format" [ "$(completions hvz show a.hvz --format '' | paste -sd' ')" = "css json gpl" ]
synopsis=$(MANWIDTH=200 man -l "$(dirname "$0")/../../dist/hvz.1" 2>/dev/null | sed -n '/^SYNOPSIS/,/^DESCRIPTION/p')
for c in $commands; do
    check "hvz(1)'s synopsis has $c" grep -qE "hvz $c( |$)" <<<"$synopsis"
done
check "hvz(1)'s synopsis has --css" grep -q -- "--css" <<<"$synopsis"
check "hvz(1)'s synopsis has --min" grep -q -- "--min" <<<"$synopsis"
# A book whose name has a space is completed whole, and one in upper case too.
mkdir -p "$work/books" && touch "$work/books/two words.hvz" "$work/books/LOUD.HVZ" "$work/books/notes.txt"
check "hvz completion of spaced and upper-case names" bash -c "cd '$work/books' && shopt -s extglob &&
    source '$share/bash-completion/completions/hvz'; COMP_WORDS=(hvz show ''); COMP_CWORD=2; _hvz;
    printf '%s\n' \"\${COMPREPLY[@]}\" | sort | paste -sd '|' | grep -qx 'LOUD.HVZ|two words.hvz'"

# The Debian package: the same files under /usr, its dependencies found.
(cd "$BUILD" && cpack -G DEB -B "$work/pkg" >/dev/null 2>&1)
deb=$(ls "$work"/pkg/*.deb 2>/dev/null | head -n 1)
check "a .deb was made" test -n "$deb"
if [ -n "$deb" ]; then
    check "the .deb holds the tree" [ "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./||' | sort)" = "$expected" ]
    check "the .deb depends on Qt" bash -c "dpkg-deb -f '$deb' Depends | grep -q libqt6widgets6"
    check "the .deb suggests what a wlroots desktop's portal needs" \
        bash -c "dpkg-deb -f '$deb' Suggests | grep -q 'grim, slurp'"
    check "the .deb recommends Qt's translations and wl-copy" \
        bash -c "dpkg-deb -f '$deb' Recommends | grep -q 'qt6-translations-l10n, wl-clipboard'"
    # As a packager checks it: no error or warning (the notes kept are
    # explained in the README).
    check "lintian" bash -c "out=\$(lintian --tag-display-limit 0 '$deb' 2>&1 | grep -v 'root privileges') ; echo \"\$out\"; ! grep -q '^[EW]:' <<<\"\$out\""
fi

# The installed program finds its page (Preview Files hands it to the
# opener) and gives its windows an icon.
# A display of its own that answers (under load a server can take seconds),
# and a runtime folder of its own.
source "$(dirname "$0")/../../e2e/lib.sh"
start_desktop --no-tray
trap 'stop_desktop; rm -rf "$work"' EXIT
mkdir -p "$work/bin"
printf '#!/bin/sh\nprintf "%%s" "$1" >"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
# preview [VAR=VALUE...]: the installed program started, Preview Files
# chosen from its menu; what the opener was given is in $work/opened.
preview() {
    rm -f "$work/opened"
    (cd "$work" && exec env PATH="$work/bin" XDG_DATA_DIRS="$share:/usr/share" "$@" \
        "$dest/usr/bin/huevella" >/dev/null 2>&1) &
    APP_PID=$!
    for _ in $(seq 100); do book=$(xdotool search --onlyvisible --name '^Huevella$' 2>/dev/null | head -n 1); [ -n "$book" ] && break; sleep 0.1; done
    check "the installed program came out" test -n "$book"
    read -r bx by < <(xwininfo -id "$book" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {print x, $4}')
    xdotool mousemove $((bx + 145)) $((by + 10)) click 1
    sleep 0.6
    menu=$(xdotool search --onlyvisible --class huevella | grep -v "^$book\$" | head -n 1)
    read -r mx my mh < <(xwininfo -id "$menu" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4} /Height:/ {print x, y, $2}')
    xdotool mousemove $((mx + 40)) $((my + mh - 58)) sleep 0.3 click 1
    for _ in $(seq 50); do [ -s "$work/opened" ] && break; sleep 0.1; done
}
preview
check "its window has an icon" bash -c "xprop -id '$book' _NET_WM_ICON | grep -q 'Icon'"
check "Preview Files finds the installed page" [ "$(cat "$work/opened" 2>/dev/null)" = "file://$share/huevella/gallery/login.htm" ]
kill "$APP_PID" 2>/dev/null
wait "$APP_PID" 2>/dev/null
# In German, from the installed translation: the page's German copy.
preview LANGUAGE=de XDG_CACHE_HOME="$work/cache"
check "Preview Files opens the page in German" [ "$(cat "$work/opened" 2>/dev/null)" = "file://$work/cache/huevella/preview-de_DE.htm" ]
check "the German page speaks German" grep -q '>Bücher wählen…<' "$work/cache/huevella/preview-de_DE.htm"
kill "$APP_PID" 2>/dev/null

echo "install: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
