#pragma once

#include "core/colour/CodeFormat.h"

#include <functional>
#include <optional>
#include <string>

class TApplication;
struct PickOutcome;

// Makes the book window, the main form with the tray icon, and opens the
// book named on the command line; each other window is made when it is
// first wanted. Destroys them all, the book window last.
void CreateWindowSet();
void DestroyWindowSet();
// Makes every window not yet made: for the tests of roads across windows.
void MakeEveryWindow();
// A pick from anywhere, as `huevella --pick` asks; the picker alone is made
// for it where nothing else is yet.
void PickFromAnywhere(const CodeFormat& form, int average,
                      std::function<void(const PickOutcome&)> done);
void CancelPickFromAnywhere();
// Runs `then` once the pick under way holds the pointer (or is over), or
// after a moment where the desktop asks the person first.
void WhenPickHolds(const std::function<void()>& then);
// Whether a kept copy or a save cut short waits to be offered.
bool RecoveryWaiting();
// A kept copy from an earlier end is offered.
void OfferRecovery();
// A later start asked for the book window, and perhaps a book.
void OpenFromLauncher(const std::optional<std::string>& book, int dropped);
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
