// The book at the end: the window closed, the session ending.
#include "book/TfrmHuevella.h"

#include "core/book/BookFile.h"

bool TfrmHuevella::FormCloseQuery() {
    if (!modified) return closeAnswered = true;
    bool saved = false;
    if (askSaveChanges(true, saved) != SaveAnswer::GoOn) return false;
    if (saved) changesSaved();
    return closeAnswered = true;
}

bool TfrmHuevella::sessionEnding(bool mayAsk) {
    if (!mayAsk) {
        keepUnsavedBook();
        return true;
    }
    // The question of a close, but the session may yet go on (another
    // program cancels the logout): what the answer settled is this book as
    // it is now, and a later change is kept again.
    if (!modified) return true;
    bool saved = false;
    if (askSaveChanges(true, saved) != SaveAnswer::GoOn) return false;
    if (saved)
        changesSaved();
    else
        answeredText = formatBook(*this, false);
    return true;
}
