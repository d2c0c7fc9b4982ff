// The keys a window takes for itself: Escape puts a companion away, F6
// goes from window to window.
#include "platform/forms/Forms.h"

#include "platform/forms/Application.h"
#include "platform/forms/Keyboard.h"

#include <QApplication>
#include <QKeyEvent>

#include <algorithm>
#include <vector>

void TForm::keyPressEvent(QKeyEvent* event) {
    int key = event->key();
    safeCall([&] { FormKeyDown(key, shiftOfKeys(event->modifiers())); });
    if (key == 0) return;
    QWidget::keyPressEvent(event);
}

void TForm::FormKeyDown(int& key, TShiftState shift) {
    if (key == Qt::Key_Escape && this != (Application ? Application->MainForm() : nullptr)) {
        Hide();
        key = 0;
    } else if (key == Qt::Key_F6) {
        // The program's windows on the screen, in their forms' order (the
        // toolkit lists its windows in no order of its own).
        std::vector<TForm*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<TForm*>(w); form && form->isVisible())
                shown.push_back(form);
        std::sort(shown.begin(), shown.end(), [](const TForm* a, const TForm* b) {
            return std::pair(a->f6Place, a->objectName()) < std::pair(b->f6Place, b->objectName());
        });
        const auto here = std::find(shown.begin(), shown.end(), this);
        if (shown.size() < 2 || here == shown.end()) return;
        const std::ptrdiff_t step = (shift & ssShift) ? -1 : 1;
        const std::ptrdiff_t at = ((here - shown.begin()) + step + std::ptrdiff_t(shown.size())) %
                                  std::ptrdiff_t(shown.size());
        TForm* next = shown[std::size_t(at)];
        next->activateWindow();
        next->raise();
        focusFirstControl(next);
        key = 0;
    }
}
