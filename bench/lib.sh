# Shared by the start-up benchmarks: a private X server with a tray host, and
# a home of its own, so that no desktop settings or theme lookups of the
# machine's own user count.
#   bench_desktop NAME TOOL...: fails when a tool is missing; sets work,
#   DISPLAY, HOME, XDG_CONFIG_HOME, XDG_DATA_HOME and XDG_RUNTIME_DIR; all
#   goes at exit, with whatever `bench_cleanup` (if set) ends.
bench_desktop() {
    local name=$1 tool n try
    shift
    for tool in Xvfb trayer xdpyinfo "$@"; do
        command -v "$tool" >/dev/null || { echo "$name needs $tool" >&2; exit 1; }
    done
    work=$(mktemp -d)
    for n in $(seq 150 199); do
        [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ] || break
    done
    export DISPLAY=:$n HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
    export XDG_RUNTIME_DIR=$work/run
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    bench_xvfb=$!
    bench_tray=
    trap '${bench_cleanup:-true}; kill $bench_tray $bench_xvfb 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
    for try in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 \
        --transparent false --SetDockType true >"$work/trayer.log" 2>&1 &
    bench_tray=$!
    sleep 1
}
