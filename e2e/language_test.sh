#!/usr/bin/env bash
# The program in the desktop's language, as a screen reader reads it back:
# German from LANGUAGE (a refused book's message, hints and names, a
# companion's title, the open dialog with Qt's own buttons), French from
# LANG and Spanish from LC_MESSAGES. Run under a private D-Bus session.
source "$(dirname "$0")/lib.sh"
PROGRAM=$1
source "$(dirname "$0")/atspi/keys.sh"

start_accessible_desktop
trap 'kill $ATSPI_PID 2>/dev/null; stop_desktop' EXIT

# expect_in_tree TEXT...: each is a line of what the reader walks now.
expect_in_tree() {
    "${ATSPI[@]}" walk >"$WORKDIR/walk.txt" 2>&1
    local text
    for text in "$@"; do
        grep -qF -- "$text" "$WORKDIR/walk.txt" || { cat "$WORKDIR/walk.txt" >&2; fail "no '$text' read"; }
    done
}
message_box() { # the window titled Huevella that is not the book
    local w
    for w in $(xdotool search --onlyvisible --name '^Huevella$' 2>/dev/null); do
        [ "$w" = "${book:-}" ] || { echo "$w"; return 0; }
    done
    return 1
}

printf '3\r\n255\r\nred\r\n' >"$WORKDIR/refused.hvz"
LANG=C.UTF-8 LANGUAGE=de start_app "$PROGRAM" refused.hvz
wait_for 10 message_box || fail "the refused book brought no message"
wait_for 10 "${ATSPI[@]}" names || fail "the program is not on the accessibility bus"
expect_in_tree "Das Buch „refused.hvz“ kann nicht geöffnet werden: Zeile 3: erwartet wurde eine Farbnummer."
xdotool windowactivate --sync "$(message_box)" key Return
wait_for 5 bash -c "$(declare -f message_box); ! message_box" || fail "the message did not close"
echo "ok - a refused book is said in German, its reason too"

# Not opened, the book stays in the tray.
book_from_tray
book=$(visible_window Huevella)
expect_in_tree "push button | Pipette ziehen, um eine Farbe zu wählen" "push button | Hauptmenü" \
    "push button | Farbpalette" "push button | Vorige Karte"
"${ATSPI[@]}" press "Farbkarte" || fail "no Farbkarte to press"
wait_for 5 visible_window Farbkarte || fail "the card window is not titled Farbkarte"
expect_in_tree "push button | Karte ins Buch aufnehmen" "Kartenfarbe 1, leer"
echo "ok - hints, names and titles in German"


xdotool windowactivate --sync "$book" key ctrl+o
wait_for 10 visible_window "Öffnen" || fail "Ctrl+O opened no dialog titled Öffnen"
wait_for 5 bash -c "'${ATSPI[0]}' '${ATSPI[1]}' names | grep -q 'Huevella-Dateien (\*.hvz)'" ||
    { "${ATSPI[@]}" names >&2; fail "the dialog's filter is not in German"; }
expect_in_tree "push button | Abbrechen"
xdotool key Escape
wait_for 5 bash -c "! xdotool search --onlyvisible --name '^Öffnen\$' >/dev/null" || fail "the dialog stayed"
echo "ok - the open dialog in German, with Qt's own buttons"
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null

# The other variables, and the other languages.
for run in "LANG=fr_FR.UTF-8|Palette de couleurs|Faire glisser" "LC_MESSAGES=es_ES.UTF-8|Paleta de colores|Arrastrar"; do
    IFS='|' read -r variable palette eyedropper <<<"$run"
    env -u LANGUAGE "$variable" bash -c "cd '$WORKDIR' && exec '$(realpath "$PROGRAM")' >'$WORKDIR/app.log' 2>&1" &
    APP_PID=$!
    book_from_tray
    wait_for 10 "${ATSPI[@]}" names || fail "the program is not on the accessibility bus"
    expect_in_tree "push button | $palette"
    grep -q "push button | $eyedropper" "$WORKDIR/walk.txt" || { cat "$WORKDIR/walk.txt" >&2; fail "no '$eyedropper…' hint"; }
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null
    echo "ok - with $variable: $palette"
done
