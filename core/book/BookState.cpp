#include "core/book/BookState.h"

#include "core/book/BookText.h"

std::string BookState::defaultTitle(int index) {
    return "Untitled-" + std::to_string(index + 1);
}

std::string BookState::fitTitle(const std::string& title) {
    const std::string oneLine = controlsToSpaces(title);
    const std::size_t start = oneLine.find_first_not_of(' ');
    if (start == std::string::npos) return {};
    return cutUtf8(std::string_view(oneLine).substr(start), MaxTitleLength);
}

BookState::AddResult BookState::addCard(const Huevella& card) {
    modified = true;
    if (lastCard >= Capacity - 1) return AddResult::Full;
    currentCard = ++lastCard;
    cards[lastCard] = card;
    cards[lastCard].setTitle(defaultTitle(lastCard));
    return AddResult::Added;
}

BookState::ClearResult BookState::clearCurrentCard() {
    if (lastCard > 0) {
        --lastCard;
        for (int i = currentCard; i < Capacity - 1; ++i) {
            const std::string movedTitle = cards[i + 1].getTitle();
            cards[i] = cards[i + 1];
            if (movedTitle.find("Untitled") != std::string::npos)
                cards[i].setTitle(defaultTitle(i));
        }
        if (currentCard == lastCard + 1) currentCard = lastCard;
        modified = true;
        return ClearResult::CardRemoved;
    }
    if (lastCard == 0) {
        lastCard = -1;
        currentCard = -1;
        modified = false;
        return ClearResult::BookEmptied;
    }
    return ClearResult::NothingToClear;
}

bool BookState::retitleCard(int index, const std::string& title) {
    const std::string fitted = fitTitle(title);
    if (index < 0 || index > lastCard || fitted.empty() || fitted == cards[index].getTitle())
        return false;
    cards[index].setTitle(fitted);
    // A renamed card is a change like any other: closing must ask.
    modified = true;
    return true;
}

void BookState::empty() {
    // The cards' slots blank; their titles stay until a card takes the place.
    for (int i = 0; i <= lastCard; ++i) {
        Huevella& card = cards[i];
        card.setColor1(BlankColor);
        card.setColor2(BlankColor);
        card.setColor3(BlankColor);
        card.setCaptionColor1(BlankColor);
        card.setCaptionColor2(BlankColor);
        card.setCaptionColor3(BlankColor);
        card.setCaption1("");
        card.setCaption2("");
        card.setCaption3("");
    }
    lastCard = -1;
    currentCard = -1;
    openedFromFile = false;
    modified = false;
    saveTargetKnown = false;
}

void BookState::takeImported(const std::array<Huevella, Capacity>& imported, int last) {
    cards = imported;
    lastCard = last;
    currentCard = last >= 0 ? 0 : -1;
    modified = last >= 0;
}

void BookState::openedFrom(const std::string& file, bool targetKnown) {
    fileName = file;
    openedFromFile = true;
    if (targetKnown) saveTargetKnown = true;
    modified = false;
}

void BookState::recovered(const std::string& file) {
    fileName = file;
    openedFromFile = saveTargetKnown = !file.empty();
    modified = true;
}

void BookState::savedTo(const std::string& file) {
    fileName = file;
    saveTargetKnown = true;
    modified = false;
}

void BookState::changesSaved() {
    modified = false;
}
