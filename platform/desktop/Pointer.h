#pragma once

#include <QRect>

// Keeps the pointer inside the area (screen coordinates, every pixel of it
// reachable) until freed. Where the display cannot confine the pointer,
// nothing is confined and the program carries on. The confinement never
// outlives the drag: the layer frees it at every mouse-up, when a window
// hides, when the program loses activation and at exit.
bool ConfinePointer(const QRect& area);
void FreePointer();
// Whether the last ConfinePointer confined it.
bool PointerConfined();
// Ends the grab a press gave the widget under the pointer.
void ReleaseMouseGrab();
