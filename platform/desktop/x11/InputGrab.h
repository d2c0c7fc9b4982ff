#pragma once

class QWidget;

// The pointer and keyboard taken for a window of ours wherever the pointer
// goes, with the X server's own grab: events come to the window as to any
// other (Qt's input grab routes none of them to us while the pointer is
// outside its window), and the window's cursor shows everywhere.
bool grabInputOnX(QWidget* window);
void releaseInputOnX();
