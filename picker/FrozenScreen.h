#pragma once

#include <QImage>
#include <QWidget>

// The desktop's picture shown over every screen while a pick reads it: where
// a program may not read the screen (Wayland), the pointer is then over a
// window of ours wherever it goes, and what it points at is what is read.
class FrozenScreen : public QWidget {
public:
    // `picture` covers `area`, the whole desktop in device pixels.
    FrozenScreen(const QImage& picture, const QRect& area);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture;
};
