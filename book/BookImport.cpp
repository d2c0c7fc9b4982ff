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
    takeImported(palette.contents.cards, palette.contents.lastCard);
    if (lastCard >= 0) showCard();
    bookChanged(BookEvent::Imported);
    if (palette.left > 0)
        Application->MessageBox(
            fromQString(
                tr("\"%1\" holds %2.").arg(toQString(path), localProblem(leftOutMessage(palette)))),
            "Huevella", MessageButtons::Ok, MessageIcon::Information);
}
