#include "book/TfrmHuevella.h"

#include "book/ProblemText.h"
#include "core/book/BookExport.h"
#include "core/book/BookFile.h"
#include "core/book/Recovery.h"
#include "platform/desktop/Desktop.h"
#include "platform/forms/Announce.h"
#include "platform/forms/Application.h"

#include <QFileInfo>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

#include <sys/stat.h>

bool TfrmHuevella::writeBook(const std::string& target, bool finalLineEnd,
                             const FileStamp* unchangedSince, bool* changed) {
    const std::string problem =
        saveBookFile(target, formatBook(*this, finalLineEnd), unchangedSince);
    if (changed) *changed = problem == ChangedMeanwhile;
    if (changed && *changed) return false;
    if (problem.empty()) {
        stampedPath = target;
        diskStamp = stampOf(target);
        return true;
    }
    Application->MessageBox(
        fromQString(tr("The book could not be saved to \"%1\": %2.\n\nNothing was lost: the book "
                       "is still open.")
                        .arg(toQString(target), localProblem(problem))),
        "Huevella", MessageButtons::Ok, MessageIcon::Error);
    return false;
}

bool TfrmHuevella::readBook(const std::string& source) {
    // A save of it that was stopped midway is mended first, if the person wants.
    if (!offerInterruptedSaves(source)) return false;
    const BookReadResult read = readBookFile(source);
    if (!read.ok) {
        Application->MessageBox(
            fromQString(tr("The book \"%1\" cannot be opened: %2.")
                            .arg(toQString(source), localProblem(read.problem))),
            "Huevella", MessageButtons::Ok, MessageIcon::Warning);
        return false;
    }
    stampedPath = source;
    diskStamp = stampOf(source);
    showContents(read.contents);
    return true;
}

void TfrmHuevella::showContents(const BookContents& contents) {
    cards = contents.cards;
    lastCard = contents.lastCard;
    currentCard = lastCard;
    showCard();
}

TfrmHuevella::SaveAnswer TfrmHuevella::askSaveChanges(bool cancelledDialogRefuses, bool& saved,
                                                      const std::string& caption,
                                                      bool finalLineEnd) {
    saved = false;
    const MessageAnswer answer =
        Application->MessageBox(fromQString(tr("Save changes to huevella?")), caption,
                                MessageButtons::YesNoCancel, MessageIcon::Warning);
    if (answer == MessageAnswer::No) return SaveAnswer::GoOn;
    if (answer != MessageAnswer::Yes) return SaveAnswer::Abandon;
    std::string target = fileName;
    bool written = false;
    if (!openedFromFile && !saveTargetKnown) {
        if (!dlgSaveAs->Execute())
            return cancelledDialogRefuses ? SaveAnswer::Refuse : SaveAnswer::GoOn;
        written = writeBook(dlgSaveAs->FileName, finalLineEnd);
    } else {
        written = saveToOwnFile(target, finalLineEnd);
    }
    // A save that failed must not let the changes be thrown away.
    if (!written) return SaveAnswer::Abandon;
    saved = true;
    return SaveAnswer::GoOn;
}

bool TfrmHuevella::saveToOwnFile(std::string& target, bool finalLineEnd) {
    for (;;) {
        bool checked = false;
        if (!mayWriteOver(target, checked)) return false;
        bool changed = false;
        if (writeBook(target, finalLineEnd, checked ? &diskStamp : nullptr, &changed)) return true;
        // Another program saved it between the question and the write: asked
        // again, now that its change can be seen.
        if (!changed) return false;
    }
}

bool TfrmHuevella::mayWriteOver(std::string& target, bool& checkUnchanged) {
    checkUnchanged = false;
    if (target != stampedPath) return true;
    const FileStamp now = stampOf(target);
    // Gone, or as we left it: nothing of another program's is lost, as long
    // as it is still so when it is written.
    checkUnchanged = now.exists && now == diskStamp;
    if (!now.exists || now == diskStamp) return true;
    const MessageAnswer answer = Application->MessageBox(
        fromQString(tr("\"%1\" has been changed by another program since it was opened or "
                       "saved.\n\nDo you want to replace it with this book? (No saves this book "
                       "under another name.)")
                        .arg(toQString(target))),
        "Huevella", MessageButtons::YesNoCancel, MessageIcon::Warning);
    if (answer == MessageAnswer::Yes) return true;
    if (answer != MessageAnswer::No || !dlgSaveAs->Execute()) return false;
    target = dlgSaveAs->FileName;
    return true;
}

bool TfrmHuevella::mayReplaceBook() {
    if (!modified) return true;
    bool saved = false;
    if (askSaveChanges(false, saved) != SaveAnswer::GoOn) return false;
    if (saved) {
        changesSaved();
        bookChanged(BookEvent::Saved);
    }
    return true;
}

// A colour from anywhere, as `huevella --pick` gives it: its code to the
// clipboard, the colour to the pallet.
void TfrmHuevella::mnuPickFromScreenClick() {
    emit pickWanted();
}

void TfrmHuevella::mnuOpenClick() {
    if (!mayReplaceBook()) return;
    if (!dlgOpen->Execute()) return;
    openBook(dlgOpen->FileName);
}

void TfrmHuevella::openBook(const std::string& path) {
    if (!readBook(path)) return;
    openedFrom(path, true);
    bookChanged(BookEvent::Opened);
}

void TfrmHuevella::openFromLauncher(const std::optional<std::string>& book, int dropped) {
    showFromTray();
    raise();
    desktop().setForegroundWindow(this);
    if (!book) return;
    // As Open does: the changes of the book on show are asked about first.
    if (mayReplaceBook()) openBook(*book);
    if (dropped > 0)
        Application->MessageBox(
            fromQString(dropped == 1
                            ? tr("1 other book was asked for while Huevella was waiting for an "
                                 "answer; only the last one, \"%1\", was taken.")
                                  .arg(toQString(*book))
                            : tr("%1 other books were asked for while Huevella was waiting for "
                                 "an answer; only the last one, \"%2\", was taken.")
                                  .arg(QString::number(dropped), toQString(*book))),
            "Huevella", MessageButtons::Ok, MessageIcon::Information);
}

void TfrmHuevella::mnuNewClick() {
    if (modified) {
        bool saved = false;
        if (askSaveChanges(false, saved) != SaveAnswer::GoOn) return;
    }
    startEmptyBook();
}

void TfrmHuevella::startEmptyBook() {
    empty();
    showEmptyBook();
    bookChanged(BookEvent::Started);
}

void TfrmHuevella::mnuSaveClick() {
    // A book never saved or opened has no file of its own to go to.
    if (!openedFromFile && !saveTargetKnown) {
        mnuSaveAsClick();
        return;
    }
    std::string target = fileName;
    if (!saveToOwnFile(target, false)) return;
    savedTo(target);
    bookChanged(BookEvent::Saved);
    sayBookSaved();
}

void TfrmHuevella::mnuSaveAsClick() {
    if (!dlgSaveAs->Execute()) return;
    if (!writeBook(dlgSaveAs->FileName, true)) return;
    savedTo(dlgSaveAs->FileName);
    bookChanged(BookEvent::Saved);
    sayBookSaved();
}

// A save is heard as well as seen (the title bar loses its mark).
void TfrmHuevella::sayBookSaved() {
    announce(tr("Saved, %1").arg(QFileInfo(toQString(fileName)).fileName()));
}

void TfrmHuevella::loadCommandLineBook() {
    const std::vector<std::string> arguments = desktop().commandLine();
    if (arguments.size() < 2 || !namesABook(arguments[1])) return;
    const std::string& path = arguments[1];
    if (!readBook(path)) return;
    openedFrom(path, false);
    bookChanged(BookEvent::OpenedAtStart);
    showFromTray();
}

void TfrmHuevella::mnuExportClick() {
    if (lastCard < 0 || !dlgExport->Execute()) return;
    static const char* const formats[] = {"gpl", "ase", "css", "json"};
    // The format of the extension typed, else of the filter chosen.
    std::string path = dlgExport->FileName;
    const std::size_t dot = path.rfind('.');
    std::string ext = dot == std::string::npos || path.find('/', dot) != std::string::npos
                          ? std::string()
                          : path.substr(dot + 1);
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    if (std::find(std::begin(formats), std::end(formats), ext) == std::end(formats)) {
        ext = formats[std::clamp(dlgExport->FilterIndex, 1, 4) - 1];
        path += "." + ext;
    }
    // By whatever name (a link, another path to it), the open book is not
    // an export's to replace.
    struct stat target, book;
    if (!fileName.empty() && ::stat(path.c_str(), &target) == 0 &&
        ::stat(fileName.c_str(), &book) == 0 && target.st_dev == book.st_dev &&
        target.st_ino == book.st_ino) {
        Application->MessageBox(fromQString(tr("\"%1\" is the book that is open: the colours "
                                               "are not exported over it.\n\nChoose another "
                                               "name.")
                                                .arg(toQString(path))),
                                "Huevella", MessageButtons::Ok, MessageIcon::Warning);
        return;
    }
    struct stat existing;
    if (lstat(path.c_str(), &existing) == 0 &&
        Application->MessageBox(
            fromQString(
                tr("\"%1\" already exists.\n\nDo you want to replace it?").arg(toQString(path))),
            "Huevella", MessageButtons::YesNo, MessageIcon::Question) != MessageAnswer::Yes)
        return;
    BookContents contents{cards, lastCard};
    std::string name =
        fileName.substr(fileName.rfind('/') == std::string::npos ? 0 : fileName.rfind('/') + 1);
    name = withoutBookExtension(name);
    if (name.empty()) name = "Huevella";
    const std::string bytes = ext == "gpl"   ? toGimpPalette(contents, name)
                              : ext == "ase" ? toAse(contents)
                              : ext == "css" ? toCss(contents)
                                             : toJson(contents, name);
    const std::string problem = saveBookFile(path, bytes);
    if (problem.empty()) return;
    Application->MessageBox(
        fromQString(tr("The colours could not be exported to \"%1\": %2.\n\nThe book is as it "
                       "was.")
                        .arg(toQString(path), localProblem(problem))),
        "Huevella", MessageButtons::Ok, MessageIcon::Error);
}
