#pragma once

#include <functional>

class TApplication;

// Creates the six windows in their order, the book window first as the main
// form; destroys them in reverse.
void CreateWindowSet();
void DestroyWindowSet();
// With no system tray to live in, the program would run where nobody can
// reach it: the book window comes out as from the tray.
void RevealWithoutTray();
// From now until the windows go, the book is kept as a recovery copy when
// the program ends without asking (a signal, the display lost), and the
// session manager's end asks about it.
void WatchBookAtSessionEnd();
// Starts the program with `startUp` (the windows made, the book offered)
// and runs it to its end: the loop's status (1 where a signal's end could
// not keep the unsaved book), or 1 when starting failed, after the failure
// has been shown.
int RunProgram(TApplication& application, const std::function<void()>& startUp);
