#include "book/BookState.h"

std::string BookState::defaultTitle(int index) { return "Untitled-" + std::to_string(index + 1); }

BookState::ClearResult BookState::clearCurrentCard() {
    if (lastCard > 0) {
        --lastCard;
        for (int i = currentCard; i < Capacity - 1; ++i) {
            const std::string movedTitle = cards[i + 1].getTitle();
            cards[i] = cards[i + 1];
            if (movedTitle.find("Untitled") != std::string::npos)
                cards[i].setTitle(defaultTitle(i));
        }
        if (currentCard == lastCard + 1)
            currentCard = lastCard;
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
