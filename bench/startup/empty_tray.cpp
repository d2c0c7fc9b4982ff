// The floor for start-up: a Qt program that does nothing but put an icon
// in the system tray. Built WITH_EDIT, it also makes one hidden line edit,
// the least a program with a text field pays for fonts.

#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QPixmap picture(22, 22);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(3, 3, 16, 16, QColor(0x1E, 0x90, 0xFF));
    QSystemTrayIcon icon{QIcon(picture)};
    icon.show();
#ifdef WITH_EDIT
    QLineEdit edit;
#endif
    return app.exec();
}
