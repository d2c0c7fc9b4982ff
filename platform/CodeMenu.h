#pragma once

#include "colour/TColor.h"

class QWidget;

// The menu of a colour code's right click: the code as people paste it
// (#hex, rgb() with spaces or commas, CSS's hsl()), the nearest CSS name
// where it is close (CIEDE2000 up to 5), and the colour's contrast with
// white and black. A blank slot has no menu.
void PopupCodeMenu(QWidget* owner, TColor color);
