// The main menu's "Recent Colours": the colours taken last, by any road,
// each with its swatch and code; choosing one takes it again.

#include "book/TfrmHuevella.h"

#include "core/colour/Pallet.h"
#include "platform/forms/QtCrossing.h"

#include <QMenu>
#include <QPainter>
#include <QPixmap>

namespace {
QIcon swatch(TColor colour) {
    QPixmap square(32, 32);
    square.setDevicePixelRatio(2);
    square.fill(Qt::transparent);
    QPainter p(&square);
    p.setPen(QColor(0x5A, 0x4E, 0x44));
    p.setBrush(QColor::fromRgb(toQRgb(colour)));
    p.drawRect(QRectF(0.5, 0.5, 14, 14));
    return QIcon(square);
}
} // namespace

void TfrmHuevella::showRecentColours(const std::vector<TColor>& colours, const QString& note) {
    QAction* item = mnuRecentColours->Action();
    // Parented to the main menu: its look, and its life.
    QMenu* list = item->menu();
    if (!list) {
        list = new QMenu(mnuMainMenu->Menu());
        list->setObjectName("mnuRecentColoursList");
        item->setMenu(list);
    }
    list->clear();
    for (const TColor colour : colours) {
        const QString code = toQString(ColorToCode(colour));
        QAction* choice = list->addAction(swatch(colour), code);
        connect(choice, &QAction::triggered, this,
                [this, colour] { emit recentColourChosen(colour); });
    }
    if (colours.empty())
        list->addAction(note.isEmpty() ? tr("No colours taken yet") : note)->setEnabled(false);
}
