#include "book/TfrmHuevella.h"

#include "platform/forms/Announce.h"
#include "platform/forms/ImageButton.h"

void TfrmHuevella::setClearCardEnabled(bool enabled) {
    EnableImageButton(imgBookClearCard, imgBookClearCardDisabled, enabled);
}

void TfrmHuevella::setPreviousCardEnabled(bool enabled) {
    EnableImageButton(imgPreviousCard, imgPreviousCardDisabled, enabled);
}

void TfrmHuevella::setNextCardEnabled(bool enabled) {
    EnableImageButton(imgNextCard, imgNextCardDisabled, enabled);
}

void TfrmHuevella::bookChanged(BookEvent event) {
    offered = enablementAfter(event, *this, offered);
    mnuSave->setEnabled(offered.save);
    mnuSaveAs->setEnabled(offered.saveAs);
    setClearCardEnabled(offered.clearCard);
    setPreviousCardEnabled(offered.previousCard);
    setNextCardEnabled(offered.nextCard);
}

void TfrmHuevella::showCard() {
    const Huevella& card = cards[currentCard];
    lblCardTitle->setCaption(card.getTitle());
    pnlColor1->setColor(card.getColor1());
    pnlColor2->setColor(card.getColor2());
    pnlColor3->setColor(card.getColor3());
    lblCaption1->setCaption(card.getCaption1());
    lblCaption2->setCaption(card.getCaption2());
    lblCaption3->setCaption(card.getCaption3());
    lblCaption1->setColor(card.getCaptionColor1());
    lblCaption2->setColor(card.getCaptionColor2());
    lblCaption3->setColor(card.getCaptionColor3());
}

QString TfrmHuevella::cardSaid() const {
    if (currentCard < 0) return tr("No cards");
    QString said = tr("Card %1 of %2").arg(currentCard + 1).arg(lastCard + 1);
    const std::string title = cards[currentCard].getTitle();
    if (!title.empty()) said += QStringLiteral(", ") + toQString(title);
    return said;
}

void TfrmHuevella::showEmptyBook() {
    for (TLabel* label : {lblCardTitle, lblCaption1, lblCaption2, lblCaption3})
        label->setCaption("");
    for (TLabel* label : {lblCaption1, lblCaption2, lblCaption3})
        label->setColor(BlankColor);
    for (TPanel* panel : {pnlColor1, pnlColor2, pnlColor3})
        panel->setColor(BlankColor);
}

void TfrmHuevella::imgNextCardClick() {
    if (currentCard < lastCard) {
        ++currentCard;
        showCard();
        announce(cardSaid());
    }
    bookChanged(BookEvent::Navigated);
}

void TfrmHuevella::imgPreviousCardClick() {
    if (currentCard > 0) {
        --currentCard;
        showCard();
        announce(cardSaid());
    }
    bookChanged(BookEvent::Navigated);
}

void TfrmHuevella::imgBookClearCardClick() {
    switch (clearCurrentCard()) {
    case ClearResult::CardRemoved:
        showCard();
        announce(tr("Card cleared. %1").arg(cardSaid()));
        bookChanged(BookEvent::CardRemoved);
        break;
    case ClearResult::BookEmptied:
        showEmptyBook();
        bookChanged(BookEvent::Emptied);
        announce(tr("Card cleared. %1").arg(tr("No cards")));
        break;
    case ClearResult::NothingToClear: bookChanged(BookEvent::Navigated); break;
    }
}

TfrmHuevella::AddResult TfrmHuevella::takeCard(const Huevella& card) {
    const AddResult result = addCard(card);
    if (result == AddResult::Full) {
        bookChanged(BookEvent::AddRefused);
        return result;
    }
    showCard();
    bookChanged(BookEvent::CardAdded);
    announce(tr("Card added. %1").arg(cardSaid()));
    return result;
}

void TfrmHuevella::replaceFullBook() {
    bool saved = false;
    // A failed save keeps the ten cards: they are never thrown away unwritten.
    if (askSaveChanges(false, saved, "Brindlemark", true) != SaveAnswer::GoOn) return;
    startEmptyBook();
}
