#pragma once

#include <QCursor>

#include <string>

// The clipboard's text, as plain text.
struct TClipboard {
    void setAsText(const std::string& text);
};
TClipboard Clipboard();

// The screen: its size and the application's cursor table by number.
class TScreen {
public:
    int Width() const;
    int Height() const;
    void setCursor(int number, const QCursor& cursor);
    QCursor Cursor(int number) const;
};
TScreen* Screen();
