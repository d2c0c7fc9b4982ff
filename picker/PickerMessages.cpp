// What the picker says of the screen's reading: the magnifier where there
// are pixels, a message where there are none, in the language chosen.

#include "picker/TfrmScreenPicker.h"

#include "core/colour/Pallet.h"
#include "platform/desktop/Desktop.h"
#include "platform/forms/Announce.h"

void TfrmScreenPicker::screenReadChanged(const ScreenRead& read) {
    using State = ScreenRead::State;
    reading = read.state;
    switch (read.state) {
    case State::Live: showMagnifier(); break;
    case State::Waiting:
        showMessage(nullptr, QT_TR_NOOP("Asking the desktop for a picture of the screen…"));
        break;
    case State::Asking:
        asked = true;
        showMessage(QT_TR_NOOP("Asking…"),
                    QT_TR_NOOP("The desktop is asking whether Huevella may see the "
                               "screen: answer it there"));
        break;
    case State::Frozen: {
        // The person answered the desktop's question after letting go: the
        // pointer went to that question, so there is nothing to take yet,
        // and the next press reads at once.
        if (asked && !dragging && !keyPicking && !screenPick) {
            desktop().endScreenRead();
            showMessage(QT_TR_NOOP("Ready"),
                        QT_TR_NOOP("The desktop lets Huevella see the screen now: press the "
                                   "eyedropper again"));
            break;
        }
        // The picture answers for the whole gesture: the pointer now while
        // the button is held, else where it came up or the keys left it.
        sampleAt(dragging ? desktop().nativeCursorPos() : lastPointer, codeWanted || keyPicking);
        if (!dragging && !keyPicking && !screenPick && reading == State::Frozen)
            desktop().endScreenRead();
        break;
    }
    case State::Picking:
        showMessage(nullptr, QT_TR_NOOP("No picture of the screen here: click a colour with the "
                                        "desktop's own picker"));
        // The colour is the desktop's picker's to show until it is taken.
        holdsColour = false;
        captionIsCode = false;
        pnlPickerColor->setColor(BlankColor);
        lblPickerCaption->setCaption("");
        break;
    case State::Picked: {
        showMessage(nullptr,
                    QT_TR_NOOP("No magnifier here: the desktop's picker took this colour"));
        holdsColour = true;
        pnlPickerColor->setColor(fromQColor(read.colour));
        lblPickerCaption->setColor(clWhite);
        lblPickerCaption->setCaption(ColorToCode(pnlPickerColor->Color()));
        captionIsCode = true;
        break;
    }
    case State::Unreadable:
        showMessage(QT_TR_NOOP("Can't read"),
                    QT_TR_NOOP("This desktop does not let programs read the screen"));
        break;
    case State::Failed:
        showMessage(QT_TR_NOOP("Can't read"),
                    read.wlroots ? QT_TR_NOOP("The screenshot service failed: wlroots desktops "
                                              "(sway) need grim and slurp")
                                 : QT_TR_NOOP("The desktop's screenshot service failed"));
        break;
    case State::Cancelled:
        showMessage(QT_TR_NOOP("Cancelled"),
                    read.desktopPicker
                        ? QT_TR_NOOP("The desktop's picker was cancelled")
                        : QT_TR_NOOP("The desktop's picture of the screen was cancelled"));
        break;
    case State::NoAnswer:
        showMessage(QT_TR_NOOP("No answer"),
                    QT_TR_NOOP("The desktop did not answer the request for a picture "
                               "of the screen"));
        break;
    }
    if (screenPick) screenPickRead(read.state);
}

// A failure shows no colour: the panel goes blank and nothing can be taken
// from it until the screen is read again. The caption's word fits its 54
// pixels; the message says the rest.
// The failure is kept in English for the command line's callers, and shown
// in the language chosen.
void TfrmScreenPicker::showMessage(const char* caption, const char* message) {
    lastMessage = caption ? std::string(caption) + ": " + message : std::string();
    imgMagnifier->Hide();
    imgTarget->Hide();
    const QString said = tr(message);
    lblPickerMessage->setCaption(fromQString(said));
    lblPickerMessage->Show();
    announce(caption ? tr("%1: %2").arg(tr(caption), said) : said);
    if (!caption) return;
    holdsColour = false;
    captionIsCode = false;
    pnlPickerColor->setColor(BlankColor);
    lblPickerCaption->setColor(BlankColor);
    lblPickerCaption->setCaption(fromQString(tr(caption)));
}

void TfrmScreenPicker::showMagnifier() {
    if (!lblPickerMessage->Visible()) return;
    lblPickerMessage->Hide();
    imgMagnifier->Show();
    imgTarget->Show();
}
