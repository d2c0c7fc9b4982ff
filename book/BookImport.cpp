// Import… in the main menu: a GIMP palette as a new book, as hvz import
// makes it.

#include "book/ProblemText.h"
#include "book/TfrmHuevella.h"
#include "core/book/BookExport.h"
#include "core/book/BookFile.h"
#include "platform/forms/Application.h"

void TfrmHuevella::mnuImportClick() {
    if (!mayReplaceBook()) return;
    if (!dlgImport->Execute()) return;
    const std::string path = dlgImport->FileName;
    const PaletteImport palette = readGimpPaletteFile(path);
    if (!palette.ok) {
        Application->MessageBox(
            fromQString(tr("The palette \"%1\" cannot be imported: %2.")
                            .arg(toQString(path), localProblem(palette.problem))),
            "Huevella", MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    // A book of its own, not yet saved anywhere: Save asks where.
    startEmptyBook();
    cards = palette.contents.cards;
    lastCard = palette.contents.lastCard;
    currentCard = lastCard >= 0 ? 0 : -1;
    if (lastCard >= 0) showCard();
    modified = lastCard >= 0;
    mnuSaveAs->setEnabled(lastCard >= 0);
    setClearCardEnabled(lastCard >= 0);
    setPreviousCardEnabled(false);
    setNextCardEnabled(lastCard > 0);
    if (palette.left > 0)
        Application->MessageBox(
            fromQString(
                tr("\"%1\" holds %2.").arg(toQString(path), localProblem(leftOutMessage(palette)))),
            "Huevella", MessageButtons::Ok, MessageIcon::Information);
}
