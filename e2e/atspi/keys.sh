# Shared by the tests that go by keys and ask AT-SPI where the focus is.
ATSPI=(/usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py")

# A private desktop with a window manager and an accessibility bus of its
# own, the program made to speak on it. Skips (77) where the parts are not
# installed; run under dbus-run-session. Leaves ATSPI_PID to stop.
start_accessible_desktop() {
    [ -x /usr/libexec/at-spi-bus-launcher ] && /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
        { echo "skip - at-spi2-core or python3-pyatspi is not installed"; exit 77; }
    [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || fail "run under dbus-run-session"
    start_desktop
    start_window_manager
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORKDIR/atspi.log" 2>&1 &
    ATSPI_PID=$!
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

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
