#pragma once

#include <functional>

// The ends of a session that give no time to ask: SIGTERM, SIGHUP and
// SIGINT (a logout without a session manager, a shutdown, Ctrl+C) and the
// loss of the display. Each keeps the unsaved work before the program ends,
// even when the event loop no longer runs (a call that never returns): the
// work is made ready to keep whenever the loop is about to wait, by
// `prepareKeep`, which returns a task that needs nothing of the windows
// and says whether it kept the work (empty: nothing to keep); a thread of
// its own runs it at the signal, and the program's exit status is 1 when
// the work could not be kept. With
// a session manager, the session's end asks `commitData` first: true lets
// the session end, false asks it to stay; `mayAsk` says whether the manager
// lets us ask the user.
struct SessionEndHandlers {
    std::function<std::function<bool()>()> prepareKeep;
    std::function<bool(bool mayAsk)> commitData;
};
// Installs the handlers (empty ones: nothing is kept any more, as once the
// windows are gone).
void watchSessionEnd(SessionEndHandlers handlers);
// Whether a signal has come to end the program: a question open then was
// answered by no one.
bool sessionIsEnding();
