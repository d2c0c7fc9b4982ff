#pragma once

#include <functional>

// The ends of a session that give no time to ask: SIGTERM, SIGHUP and
// SIGINT (a logout without a session manager, a shutdown, Ctrl+C) and the
// loss of the display. Each keeps the unsaved work through `keepUnsaved`
// before the program ends. With a session manager, the session's end asks
// `commitData` first: true lets the session end, false asks it to stay;
// `mayAsk` says whether the manager lets us ask the user.
struct SessionEndHandlers {
    std::function<void()> keepUnsaved;
    std::function<bool(bool mayAsk)> commitData;
};
// Installs the handlers (empty ones: nothing is kept any more, as once the
// windows are gone). The signals come through a pipe into the event loop,
// never handled inside the signal handler.
void watchSessionEnd(SessionEndHandlers handlers);
