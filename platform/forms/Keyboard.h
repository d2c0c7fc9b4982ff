#pragma once

#include "platform/forms/Controls.h"

class QKeyEvent;
class TForm;

// Keys as the windows' handlers see them: the key (Qt's code) and the
// modifiers held.
TShiftState shiftOfKeys(Qt::KeyboardModifiers modifiers);

// Whether the command now running was given from the keyboard (Space or
// Enter on a focused control): a window it opens takes the focus, so the
// keyboard can go on there. A click with the mouse leaves focus as it was.
bool RunningFromKeyboard();

// Every control a click or a press works becomes reachable by Tab: the
// form's own Tab chain first, then the rest in reading order (rows from
// the top, each from the left). Run once the handlers are bound.
void makeKeyboardReachable(TForm* form);

// Moves the focus to the first control of the window's chain.
void focusFirstControl(TForm* form);
