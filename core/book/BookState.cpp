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
