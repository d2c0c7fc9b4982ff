#pragma once

class QWidget;

// Our controls as assistive technology sees them: each with a role (a
// button where a click or a key works it, text for a caption, a picture
// otherwise), a name (its hint where it has one, else its job as its
// window tells it, a panel's colour and a caption's text with it) and a
// Press action that does what a click does. Installed once.
void installAccessibility();

// Tells assistive technology that a control's name changed (a caption's
// text, a panel's colour), so that a change while picking is heard.
void announceNameChange(QWidget* control);

// Tells assistive technology that a control's number changed (a slider's
// strip moved by a key): the focused one is said at once.
void announceValueChange(QWidget* control, int value);
