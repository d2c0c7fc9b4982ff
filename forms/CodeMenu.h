#pragma once

#include "core/colour/CssText.h"
#include "core/colour/TColor.h"

#include <string>

class TLabel;

// The menu of a colour code's right click: the code as people paste it
// (#hex, rgb() with spaces or commas, CSS's hsl() and oklch()), the nearest CSS name
// where it is close (CIEDE2000 up to 5), and the colour's contrast with
// white and black. A slot is empty by its empty code, whatever its colour
// (50505F is a colour like any other): an empty one has no menu. It opens
// at the pointer, or under the code when asked for from the keyboard.
void PopupCodeMenu(TLabel* code, TColor color);

// A code to the clipboard with a quiet sign that it went: "Copied" in its
// place for a moment, and said to screen readers.
void CopyCode(TLabel* code);

// The form of the code copied last, by a click or from the menu, kept
// across starts: a recent colour chosen again is copied so.
CodeForm LastCopiedForm();
// The form a click on a code copies, chosen from the code menu and kept:
// the six digits shown unless another was chosen.
CodeForm ClickedForm();
