#include "platform/desktop/CaptionDrag.h"

#include "platform/desktop/Desktop.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {

// Follows the pointer with the window while the left button is down. A
// window manager's own move would not tell us when it ends, and a bare X
// server has none, so the drag is ours from press to release.
class DragFilter : public QObject {
public:
    DragFilter(QWidget* window, QEventLoop& loop, QPoint startPointer)
        : window(window), loop(loop), startPointer(startPointer), startWindow(window->pos()) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseMove: {
            const auto* e = static_cast<QMouseEvent*>(event);
            window->move(startWindow + (e->globalPosition().toPoint() - startPointer));
            if (!(e->buttons() & Qt::LeftButton)) loop.quit();
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto* e = static_cast<QMouseEvent*>(event);
            window->move(startWindow + (e->globalPosition().toPoint() - startPointer));
            if (e->button() == Qt::LeftButton) loop.quit();
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease: return true;
        default: return false;
        }
    }

private:
    QWidget* window;
    QEventLoop& loop;
    QPoint startPointer;
    QPoint startWindow;
};

} // namespace

void runCaptionDrag(QWidget* window) {
    if (!window || !(QGuiApplication::mouseButtons() & Qt::LeftButton)) return;
    QEventLoop loop;
    // Where the button went down, not where the pointer is by now: a hand
    // already moving would otherwise leave the window behind by the way it
    // went before the press was handled.
    DragFilter filter(window, loop, eventPointer().value_or(QCursor::pos()));
    qApp->installEventFilter(&filter);
    window->grabMouse();
    loop.exec();
    window->releaseMouse();
    qApp->removeEventFilter(&filter);
}
