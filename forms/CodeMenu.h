#pragma once

#include "colour/TColor.h"

#include <string>

class QWidget;

// The menu of a colour code's right click: the code as people paste it
// (#hex, rgb() with spaces or commas, CSS's hsl() and oklch()), the nearest CSS name
// where it is close (CIEDE2000 up to 5), and the colour's contrast with
// white and black. A slot is empty by its empty code, whatever its colour
// (50505F is a colour like any other): an empty one has no menu.
void PopupCodeMenu(QWidget* owner, TColor color, const std::string& code);
