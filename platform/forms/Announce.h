#pragma once

class QString;
class QWidget;

// Says a short text through screen readers, whatever has the focus: the
// colour taken, a card added, a code copied. The bridge of our Qt sends a
// changed name as an object, which Orca cannot speak, so the text is shown
// as a notification of the active window, which every reader speaks.
void announce(const QString& text);

// The same for a value that changes as fast as keys repeat or a pointer
// moves: only the latest is said, once the changes pause.
void announceAfterPause(const QString& text);

// A control's name as screen readers have it, said: "Card colour 1, 2E8B57"
// once the slot is filled.
void announceName(QWidget* control);
