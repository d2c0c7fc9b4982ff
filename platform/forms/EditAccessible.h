#pragma once

class QAccessibleInterface;
class QLineEdit;

// A one-line edit as assistive technology reads it: its text, caret and
// selection, and its characters, words and sentences by offset. Qt 6.4's
// own reading of a line edit never returns from some word and sentence
// queries (a screen reader's Ctrl+Left and Ctrl+Right), so every line edit
// of the program, ours and those of Qt's dialogs, is read by this one.
QAccessibleInterface* makeEditAccessible(QLineEdit* edit);
