#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

class QScreen;

// The desktop's picture shown over one screen while a pick reads it: where
// a program may not read the screen (Wayland), the pointer is then over a
// window of ours wherever it goes, and what it points at is what is read.
// The picker is drawn into it rather than shown as a window of its own, so
// that no compositor can stack the picture over it.
class FrozenScreen : public QWidget {
public:
    // `picture` covers `area`, the whole desktop in device pixels.
    FrozenScreen(const QImage& picture, const QRect& area, QScreen* screen);

    // The picker's look at `place` (the desktop's coordinates); a null
    // pixmap draws none.
    void setPicker(const QPixmap& look, QPoint place);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect pickerRect() const;

    QImage picture;
    QRect source; // this screen's part of the picture
    QPixmap picker;
    QPoint pickerPlace;
};
