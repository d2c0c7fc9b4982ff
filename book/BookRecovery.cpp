#include "book/TfrmHuevella.h"

#include "book/ProblemText.h"
#include "core/book/BookFile.h"
#include "core/book/InterruptedSave.h"
#include "core/book/Recovery.h"
#include "platform/desktop/SessionEnd.h"
#include "platform/forms/Announce.h"
#include "platform/forms/Application.h"

#include <cstdio>
#include <filesystem>

namespace {
// Matches no file: a save over one that is there asks first.
const FileStamp UnknownStamp{true, ~0ULL, ~0ULL, 0, 0, 0};
} // namespace

std::optional<RecoveryCopy> TfrmHuevella::unsavedCopy() const {
    if (!modified || closeAnswered) return std::nullopt;
    std::string text = formatBook(*this, false);
    if (answeredText && *answeredText == text) return std::nullopt;
    const bool named = (openedFromFile || saveTargetKnown) && !fileName.empty();
    // Named from where this start was made: the next may start elsewhere.
    std::error_code error;
    const std::string name = named ? std::filesystem::absolute(fileName, error).string() : "";
    RecoveryCopy copy{std::move(text), name, {}, std::nullopt};
    // What the file was when this program last read or wrote it: a save of
    // the recovered book over a file changed since asks first.
    if (named && stampedPath == fileName) copy.stamp = diskStamp;
    return copy;
}

namespace {
// The copy written, the one this book was recovered from has served.
bool keepReporting(const RecoveryCopy& copy, const std::string& recoveredFrom) {
    const std::string problem = keepRecoveryCopy(copy);
    if (problem.empty()) {
        discardRecoveryCopy(recoveredFrom);
        return true;
    }
    std::fprintf(stderr, "huevella: the unsaved book could not be kept: %s\n", problem.c_str());
    return false;
}
} // namespace

void TfrmHuevella::keepUnsavedBook() {
    if (const std::optional<RecoveryCopy> copy = unsavedCopy()) keepReporting(*copy, recoveredFrom);
}

std::function<bool()> TfrmHuevella::recoveryTask() {
    std::optional<RecoveryCopy> copy = unsavedCopy();
    if (!copy) {
        // Nothing unsaved: the recovered book was saved, or the person let
        // it go when asked. Its copy is no longer anyone's work.
        discardRecoveryCopy(recoveredFrom);
        recoveredFrom.clear();
        return {};
    }
    return [copy = std::move(*copy), from = recoveredFrom] { return keepReporting(copy, from); };
}

bool TfrmHuevella::offerInterruptedSaves(const std::string& file) {
    for (const InterruptedSave& save : findInterruptedSaves(file)) {
        const MessageAnswer answer = Application->MessageBox(
            fromQString(tr("Huevella was stopped while saving %1: the book before that save was "
                           "kept. Put it back?")
                            .arg(toQString(save.file))),
            "Huevella", MessageButtons::YesNo, MessageIcon::Question);
        if (sessionIsEnding()) return false;
        // No: kept, and asked again, for the file stays unreadable.
        if (answer != MessageAnswer::Yes) continue;
        const std::string problem = putBack(save);
        if (problem.empty()) {
            announce(tr("%1 was put back as it was before the save.").arg(toQString(save.file)));
            continue;
        }
        Application->MessageBox(fromQString(tr("%1 could not be put back: %2.")
                                                .arg(toQString(save.file), localProblem(problem))),
                                "Huevella", MessageButtons::Ok, MessageIcon::Error);
    }
    return true;
}

void TfrmHuevella::offerRecovery() {
    if (!offerInterruptedSaves()) return;
    // Newest first, each copy whatever book this start opened; a copy goes
    // only once the person has answered for it.
    const std::string opened = openedFromFile ? fileName : std::string();
    for (const RecoveryCopy& copy : findRecoveryCopies(opened)) {
        const BookReadResult read = copy.text.empty() ? BookReadResult{} : parseBook(copy.text);
        if (!read.ok) {
            // Not a book any more: left where it is, for the user to look at.
            Application->MessageBox(
                fromQString(read.problem.empty()
                                ? tr("An unsaved book was kept at \"%1\", but it cannot be "
                                     "opened.")
                                      .arg(toQString(copy.path))
                                : tr("An unsaved book was kept at \"%1\", but it cannot be "
                                     "opened: %2.")
                                      .arg(toQString(copy.path), localProblem(read.problem))),
                "Huevella", MessageButtons::Ok, MessageIcon::Warning);
            if (sessionIsEnding()) return;
            continue;
        }
        const int count = read.contents.lastCard + 1;
        const QString cardCount =
            count == 1 ? tr("1 card") : tr("%1 cards").arg(QString::number(count));
        const QString question =
            copy.name.empty()
                ? tr("Huevella ended before an unnamed book (%1) was saved.\n\nRecover the "
                     "unsaved book?")
                      .arg(cardCount)
                : tr("Huevella ended before \"%1\" (%2) was saved.\n\nRecover the unsaved "
                     "book?")
                      .arg(toQString(copy.name), cardCount);
        const MessageAnswer answer = Application->MessageBox(
            fromQString(question), "Huevella", MessageButtons::YesNo, MessageIcon::Question);
        // The session ended while the question was open: nobody answered.
        if (sessionIsEnding()) return;
        if (answer != MessageAnswer::Yes) {
            discardRecoveryCopy(copy.path);
            continue;
        }
        showContents(read.contents);
        recovered(copy.name);
        // A later Save is measured against the file as the program that kept
        // the copy last saw it; a copy that does not say (an older one) is
        // asked about whenever the file is there.
        stampedPath = copy.name;
        diskStamp = copy.stamp ? *copy.stamp : UnknownStamp;
        answeredText.reset();
        recoveredFrom = copy.path;
        bookChanged(BookEvent::Recovered);
        showFromTray();
        // One book at a time: the others wait for the next start.
        return;
    }
}
