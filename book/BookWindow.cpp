#include "book/TfrmHuevella.h"

#include "forms/CodeMenu.h"
#include "platform/forms/Announce.h"

#include <QApplication>
#include <QEvent>

#include <functional>

void TfrmHuevella::lblCaption1Click() {
    CopyCode(lblCaption1);
}
void TfrmHuevella::lblCaption2Click() {
    CopyCode(lblCaption2);
}
void TfrmHuevella::lblCaption3Click() {
    CopyCode(lblCaption3);
}

namespace {
// A press anywhere but in the title box, while it is open, ends the edit
// before the press does its own work (a click on Next Card names the card
// the box was opened on).
class PressElsewhere : public QObject {
public:
    PressElsewhere(QWidget* box, std::function<void()> pressed)
        : QObject(box), box(box), pressed(std::move(pressed)) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && watched != box && watched->isWidgetType())
            pressed();
        return false;
    }

private:
    QWidget* box;
    std::function<void()> pressed;
};
} // namespace

void TfrmHuevella::lblCardTitleClick() {
    if (lblCardTitle->Caption().empty()) return;
    if (!pressElsewhere)
        pressElsewhere = new PressElsewhere(editCardTitle, [this] { endTitleEdit(true); });
    editCardTitle->Show();
    editCardTitle->SetFocus();
    editCardTitle->setTextValue(cards[currentCard].getTitle());
    editCardTitle->SelectAll();
}

// What the box shows is what the book holds: Enter and leaving the box
// keep its text, Escape puts back the title it had. Each says the title.
void TfrmHuevella::editCardTitleKeyPress(char& key) {
    if (key != '\r' && key != '\x1b') return;
    const bool keep = key == '\r';
    key = 0;
    endTitleEdit(keep);
    // The keys go on from the title they named.
    lblCardTitle->setFocus(Qt::OtherFocusReason);
}

void TfrmHuevella::editCardTitleExit() {
    endTitleEdit(true);
}

void TfrmHuevella::endTitleEdit(bool keep) {
    if (!editCardTitle->Visible()) return;
    if (pressElsewhere) pressElsewhere->deleteLater();
    editCardTitle->Hide();
    // The book may have emptied while the box was open: nothing to name.
    if (lastCard < 0 || currentCard < 0) return;

    // A title must survive the book file, which drops leading blanks and
    // cannot hold an empty title: such a text keeps the old title.
    if (keep && retitleCard(currentCard, editCardTitle->Text())) bookChanged(BookEvent::Retitled);
    lblCardTitle->setCaption(cards[currentCard].getTitle());
    announce(tr("Title: %1").arg(toQString(cards[currentCard].getTitle())));
}
