#pragma once

#include "core/colour/TColor.h"

#include <QScrollArea>

// A scroll box: a fixed scroll range the user moves through with the scroll
// bars; nothing scrolls it but the user.
class TScrollBox : public QScrollArea {
    Q_OBJECT
public:
    explicit TScrollBox(QWidget* parent);
    // The size of what scrolls; a bar shows only where it exceeds the view.
    void setRange(int width, int height);
    void setColor(TColor color);
    // Where the controls in the box live.
    QWidget* Content() const { return widget(); }
};
