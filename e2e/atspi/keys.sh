# Shared by the tests that go by keys and ask AT-SPI where the focus is.
ATSPI=(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py")

# The name of the object with the keyboard focus.
focused() { "${ATSPI[@]}" focused 2>/dev/null; }

# tab_to NAME: Tab until the focus is on NAME (fourteen presses at most).
tab_to() {
    local i
    for i in $(seq 1 14); do
        [ "$(focused)" = "$1" ] && return 0
        xdotool key Tab
        sleep 0.2
    done
    fail "Tab never reached '$1' (the focus is on '$(focused)')"
}

# f6_to TITLE: F6 from window to window until TITLE is the active one.
f6_to() {
    local i
    for i in 1 2 3 4 5; do
        [ "$(xdotool getactivewindow getwindowname)" = "$1" ] && return 0
        xdotool key F6
        sleep 0.3
    done
    [ "$(xdotool getactivewindow getwindowname)" = "$1" ] || fail "F6 never reached '$1'"
}
