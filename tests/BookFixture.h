#pragma once

#include "TestMain.h"

#include "book/TfrmHuevella.h"

#include <QStringList>

// The book window alone, the book named on the command line opened as at
// start.
class BookWindowFixture : public WindowFixture<frmHuevella> {
public:
    void createWindows(const QStringList& arguments = {"huevella"}) {
        WindowFixture::createWindows(arguments);
        safeCall([] { frmHuevella->loadCommandLineBook(); });
    }
};

// Helpers for tests of the book window's cards and files.
namespace bookfixture {

inline bool enabled(TImage* active, TImage* inactive) {
    return active->Visible() && !inactive->Visible();
}

// The card buttons as a string, e.g. "C-N" for Clear and Next usable.
inline QString buttons() {
    auto* f = frmHuevella;
    auto face = [](TImage* active, TImage* inactive, char letter) {
        if (active->Visible() == inactive->Visible()) return QChar('?');
        return active->Visible() ? QChar(letter) : QChar('-');
    };
    return QString() + face(f->imgBookClearCard, f->imgBookClearCardDisabled, 'C') +
           face(f->imgPreviousCard, f->imgPreviousCardDisabled, 'P') +
           face(f->imgNextCard, f->imgNextCardDisabled, 'N');
}

// A book of cards as adding them leaves it: the last card current, modified.
inline void makeBook(const QStringList& titles) {
    auto* f = frmHuevella;
    for (int i = 0; i < titles.size(); ++i) {
        Huevella card;
        card.setColor1(RGBColor(i * 20, 0, 0));
        card.setCaption1(ColorToCode(card.getColor1()));
        card.setCaptionColor1(FilledCaptionColor);
        for (auto set : {&Huevella::setColor2, &Huevella::setColor3, &Huevella::setCaptionColor2,
                         &Huevella::setCaptionColor3})
            (card.*set)(BlankColor);
        card.setTitle(titles[i].toStdString());
        f->cards[i] = card;
    }
    f->lastCard = int(titles.size()) - 1;
    f->currentCard = f->lastCard;
    f->modified = true;
    f->showCard();
    // As after the cards were added one by one.
    f->bookChanged(BookEvent::CardAdded);
}

inline QByteArray contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
inline void writeFile(const QString& file, const QByteArray& data) {
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

inline QStringList titles() {
    QStringList out;
    for (int i = 0; i <= frmHuevella->lastCard; ++i)
        out << QString::fromStdString(frmHuevella->cards[i].getTitle());
    return out;
}

} // namespace bookfixture
