#include "platform/forms/Screen.h"

#include "platform/desktop/Desktop.h"
#include "platform/forms/QtCrossing.h"

#include <QGuiApplication>
#include <QScreen>

#include <map>

void TClipboard::setAsText(const std::string& text) {
    desktop().setClipboardText(toQString(text));
}
TClipboard Clipboard() {
    return {};
}

namespace {
std::map<int, QCursor>& cursorTable() {
    static std::map<int, QCursor> table;
    return table;
}
} // namespace

int TScreen::Width() const {
    return QGuiApplication::primaryScreen()->geometry().width();
}
int TScreen::Height() const {
    return QGuiApplication::primaryScreen()->geometry().height();
}
void TScreen::setCursor(int number, const QCursor& cursor) {
    cursorTable()[number] = cursor;
}
QCursor TScreen::Cursor(int number) const {
    const auto found = cursorTable().find(number);
    return found == cursorTable().end() ? QCursor(Qt::ArrowCursor) : found->second;
}
TScreen* Screen() {
    static TScreen screen;
    return &screen;
}
