#pragma once

#include <QString>

// On a Wayland desktop whose compositor offers the data-control protocol
// (wlroots ones such as sway, KWin), the text is also offered on the Wayland
// clipboard by `wl-copy` (wl-clipboard), which serves it from a process of
// its own: a wlroots compositor passes our X clipboard to native programs
// only while an X window has the focus, and a native client's own selection
// needs the focus too. GNOME offers no such protocol and passes the X
// clipboard on whatever has the focus, so nothing is done there. False where
// nothing was handed over.
bool offerOnWaylandClipboard(const QString& text);
