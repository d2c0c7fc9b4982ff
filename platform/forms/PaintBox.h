#pragma once

#include "platform/forms/Controls.h"

#include <QImage>

// A paint box's canvas: a pen colour, a current point, and lines that leave
// out their end point. What it draws stays on the box until drawn over.
class TCanvas {
public:
    explicit TCanvas(QWidget* owner) : owner(owner) {}
    void setPenColor(TColor color) { pen = color; }
    void MoveTo(int x, int y) { at = {x, y}; }
    // From the current point to (x, y), that point itself not drawn; it
    // becomes the current point.
    void LineTo(int x, int y);
    // What has been drawn; pixels never drawn are clear.
    const QImage& Pixels() const { return pixels; }
    // The colour drawn at (x, y), clNone where nothing was.
    TColor Pixel(int x, int y) const;
    void resize(QSize size);

private:
    QWidget* owner;
    QImage pixels;
    TColor pen = clBlack;
    QPoint at;
};

// A control with no face of its own: its paint handler draws on its canvas,
// and where nothing is drawn what lies behind shows through.
class TPaintBox : public TControl {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent);
    TCanvas* Canvas() { return &canvas; }
    TNotifyEvent OnPaint;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    TCanvas canvas;
};
