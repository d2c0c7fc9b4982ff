#pragma once

#include <QPointer>

#include "book/Companions.h"
#include "core/book/BookEnablement.h"
#include "core/book/BookFile.h"
#include "core/book/BookState.h"
#include "core/book/Recovery.h"
#include "core/colour/Pallet.h"
#include "forms/Eyedropper.h"
#include "platform/desktop/TrayEntry.h"
#include "platform/forms/Forms.h"

#include <functional>
#include <optional>
#include <string>

// The book window: the main form, owner of the book, the Pallet and the tray
// icon.
class TfrmHuevella : public TForm, public BookState {
    Q_OBJECT
public:
    TfrmHuevella();
    ~TfrmHuevella() override;

    TImage* imgBookSkin;
    TLabel* lblCaption1;
    TLabel* lblCaption2;
    TLabel* lblCaption3;
    TLabel* lblCardTitle;
    TImage* imgEyedropper;
    TImage* imgMenu;
    TImage* imgCollapseCards;
    TImage* imgBookClearCardDisabled;
    TImage* imgBookClearCard;
    TImage* imgPreviousCardDisabled;
    TImage* imgPreviousCard;
    TImage* imgNextCardDisabled;
    TImage* imgNextCard;
    TImage* imgColorPalette;
    TImage* imgSwatchCard;
    TPanel* pnlColor1;
    TPanel* pnlColor2;
    TPanel* pnlColor3;
    TEdit* editCardTitle;

    TPopupMenu* mnuMainMenu;
    TMenuItem* mnuOpen;
    TMenuItem* mnuNew;
    TMenuItem* mnuSave;
    TMenuItem* mnuSaveAs;
    TMenuItem* mnuPickFromScreen;
    // The colours taken last, a submenu: each with its swatch and code.
    TMenuItem* mnuRecentColours;
    // Shows these colours, newest first, or `note` where there are none
    // to show (the file was unreadable and set aside).
    void showRecentColours(const std::vector<TColor>& colours, const QString& note = {});
    TMenuItem* mnuExport;
    TMenuItem* mnuImport;
    TMenuItem* mnuPreview;
    TMenuItem* mnuBreak;
    TMenuItem* mnuSystemTray;
    TMenuItem* mnuExit;

    TFileDialog* dlgOpen;
    TFileDialog* dlgSaveAs;
    TFileDialog* dlgExport;
    TFileDialog* dlgImport;

    TIcon* trayIcon;
    // The icon's place in the tray, and what is done to it there.
    TrayEntry trayEntry{tr("Huevella")};
    Pallet pallet;

    void showCard();
    // The card shown as a screen reader says it: "Card 3 of 5, Sunset".
    QString cardSaid() const;
    // A card from the card window: added to the book, and the book shows it.
    AddResult takeCard(const Huevella& card);
    // The card window's new book in place of a full one: the question about
    // the changes first, under the card's caption.
    void replaceFullBook();
    void showEmptyBook();
    void setClearCardEnabled(bool enabled);
    void setPreviousCardEnabled(bool enabled);
    void setNextCardEnabled(bool enabled);
    // What the window offers (Save, Save As, the card buttons), worked out
    // again from the book once `event` has happened to it.
    void bookChanged(BookEvent event);
    BookEnablement offered;
    // Puts a companion window in its place beside the book window.
    void placeCompanion(TForm* companion);
    // The windows around this one; the window set fills it.
    Companions companions;
    // What the eyedropper drives, once made; the window set gives the means
    // to make it, which the eyedropper's first press or key uses.
    Eyedropper* eyedropper = nullptr;
    std::function<Eyedropper*()> makeEyedropper;

    void imgBookSkinMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void imgEyedropperMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void imgEyedropperMouseMove(TShiftState shift, int x, int y);
    void imgEyedropperMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void imgEyedropperKeyDown(int& key, TShiftState shift);
    void imgEyedropperExit();
    // The picker is out: the cards' button turns to collapse them.
    void eyedropperOpensPicker();
    void lblCaption1Click();
    void lblCaption2Click();
    void lblCaption3Click();
    void lblCardTitleClick();
    void editCardTitleKeyPress(char& key);
    // The focus has left the open title box: what it shows is kept.
    void editCardTitleExit();
    void endTitleEdit(bool keep);
    void sayBookSaved();

    void imgNextCardClick();
    void imgPreviousCardClick();
    void imgBookClearCardClick();

    void trayIconMessage(TrayEntry::Action action);
    void useThemeTrayIcon();
    // No tray draws its icons larger.
    static constexpr int TrayIconLargest = 64;
    void imgMenuClick();
    // Pops up the main menu, "To System Tray" usable only while a tray is.
    void popupMainMenu(int x, int y);
    void mnuSystemTrayClick();
    void mnuPreviewClick();
    void mnuExitClick();
    void imgSwatchCardClick();
    void imgCollapseCardsClick();
    void imgColorPaletteClick();
    void hideCompanionWindows();
    // What a double click on the tray icon does: the book window comes out.
    void showFromTray();

    // The book file commands and the question that guards them.
    enum class SaveAnswer { GoOn, Abandon, Refuse };
    SaveAnswer askSaveChanges(bool cancelledDialogRefuses, bool& saved,
                              const std::string& caption = "Huevella", bool finalLineEnd = false);
    // Empties the book as New does once the question has been answered.
    void startEmptyBook();
    // Writes the book; false (and the user told why) when it could not be
    // saved, in which case any earlier file is left as it was.
    // With `unchangedSince`, a file another program changed since is not
    // written: false, with `changed` set and nothing said.
    bool writeBook(const std::string& target, bool finalLineEnd,
                   const FileStamp* unchangedSince = nullptr, bool* changed = nullptr);
    // Reads a book into the window; false (and the user told why) when the
    // file cannot be read or is not a book, in which case nothing changed.
    bool readBook(const std::string& source);
    // The cards shown, the last one current.
    void showContents(const BookContents& contents);
    // The file as we last read or wrote it.
    std::string stampedPath;
    FileStamp diskStamp;
    // Before the book is written over its own file: when another program
    // has changed that file since, the user chooses. Yes keeps `target`,
    // No puts a name chosen in Save As there, Cancel (false) writes nothing.
    // `checkUnchanged`: the file is to be as we left it when it is written.
    bool mayWriteOver(std::string& target, bool& checkUnchanged);
    // Saves the book to its own file, asking as mayWriteOver does, again if
    // another program saves it meanwhile; false when nothing was saved.
    bool saveToOwnFile(std::string& target, bool finalLineEnd);
    void mnuOpenClick();
    // Before another book takes this one's place: the question about its
    // changes; false when the user keeps it.
    bool mayReplaceBook();
    // Reads a book as Open does once a file is chosen.
    void openBook(const std::string& path);
    // A later start of the program asked for the book window, and perhaps
    // for a book to be opened.
    void openFromLauncher(const std::optional<std::string>& book, int dropped = 0);
    void mnuNewClick();
    void mnuSaveClick();
    void mnuSaveAsClick();
    // The book's colours for other tools; the book itself is untouched.
    void mnuExportClick();
    // A GIMP palette into a new unnamed book, after the question about
    // unsaved changes.
    void mnuImportClick();
    void mnuPickFromScreenClick();
    // Opens a book named on the command line; run once at start-up.
    void loadCommandLineBook();

    // The session ends: with leave to ask, the question about unsaved
    // changes (false: the user keeps the session going); without, the book
    // is kept as a recovery copy.
    bool sessionEnding(bool mayAsk);
    // The program ends without a word (a signal, the display lost): an
    // unsaved book is kept as a recovery copy.
    void keepUnsavedBook();
    // What keeping it would write now, as a task that needs nothing of the
    // windows, so that a signal can keep it while the event loop is stuck;
    // empty when nothing is unsaved.
    std::function<bool()> recoveryTask();
    // A book kept so at an earlier end is offered: opened as unsaved, or
    // let go.
    void offerRecovery();
    // Files a save of ours left cut short (of `file` alone, where named) are
    // offered to be put back; false when the session ended meanwhile.
    bool offerInterruptedSaves(const std::string& file = {});
    std::optional<RecoveryCopy> unsavedCopy() const;
    // Once the close has been answered, nothing is kept behind the user's back.
    bool closeAnswered = false;
    // The book as it was when the person answered the session's question
    // with No: that state is not kept behind their back, a later one is.
    std::optional<std::string> answeredText;
    // The kept copy this book was recovered from, until its work is kept
    // anew, saved or let go.
    std::string recoveredFrom;

    void FormCreate() override;
    bool FormCloseQuery() override;
    void FormKeyDown(int& key, TShiftState shift) override;
    QString ControlJob(const QWidget* control) const override;

signals:
    // A recent colour was chosen from the main menu.
    void recentColourChosen(TColor colour);
    // "Pick from Screen" was chosen: the screen picker takes it from here.
    void pickWanted();

private:
    void bindControls();
    void bindEvents();
    void putTrayIconUp();
    void addTrayIcon();
    void removeTrayIcon();
    // While the title box is open: a press anywhere else ends the edit.
    QPointer<QObject> pressElsewhere;
};

extern TfrmHuevella* frmHuevella;
