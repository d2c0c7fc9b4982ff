#pragma once

class QWidget;

// Moves the window with the pointer until the left button is released.
void runCaptionDrag(QWidget* window);
