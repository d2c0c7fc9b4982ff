#include "platform/forms/ScrollBox.h"

#include "platform/forms/Controls.h"

#include <QScrollBar>

namespace {

// A slim bar in the skins' colours, its thumb lit under the pointer.
const char* const barStyle = R"(
QScrollBar:vertical { width: 10px; margin: 0; background: #20232c; }
QScrollBar::handle:vertical { min-height: 8px; margin: 1px 2px; border-radius: 3px;
                              background: #6c7280; }
QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed { background: #f2a53c; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }
)";

} // namespace

TScrollBox::TScrollBox(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setWidget(new QWidget);
    verticalScrollBar()->setStyleSheet(barStyle);
    horizontalScrollBar()->setStyleSheet(barStyle);
}

void TScrollBox::setRange(int width, int height) {
    Content()->setFixedSize(width, height);
    // A row of the content a click on the bar's track, a third of one a
    // step of the wheel.
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(12);
}

void TScrollBox::setColor(TColor color) {
    for (QWidget* w : {static_cast<QWidget*>(viewport()), Content()}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, toQColor(color));
        w->setPalette(p);
        w->setAutoFillBackground(true);
    }
}
