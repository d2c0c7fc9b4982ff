#pragma once

// Creates the six windows in their order, the book window first as the main
// form; destroys them in reverse.
void CreateWindowSet();
void DestroyWindowSet();
// With no system tray to live in, the program would run where nobody can
// reach it: the book window comes out as from the tray.
void RevealWithoutTray();
