#include "book/TfrmHuevella.h"

#include "forms/CodeMenu.h"
#include "forms/FormDefs.h"
#include "platform/desktop/Desktop.h"
#include "platform/forms/Application.h"

TfrmHuevella* frmHuevella = nullptr;

TfrmHuevella::TfrmHuevella() : TForm(bookFormDef(), Contents::Later) {
    // The tray icon first: at start it is all a user sees of the program,
    // and the windows' controls (their fonts above all) take longer to build
    // than everything before.
    putTrayIconUp();
    CreateContents(bookFormDef());
    bindControls();
    bindEvents();

    lastCard = -1;
    currentCard = 0;

    const double width = Width();
    const double height = Height();
    move(int(Screen()->Width() - 2 * width - 0.2 * width),
         int(Screen()->Height() - 2 * height - 0.5 * height));
}

TfrmHuevella::~TfrmHuevella() {
    removeTrayIcon();
    delete trayIcon;
}

void TfrmHuevella::bindControls() {
    imgBookSkin = control<TImage>("imgBookSkin");
    lblCaption1 = control<TLabel>("lblCaption1");
    lblCaption2 = control<TLabel>("lblCaption2");
    lblCaption3 = control<TLabel>("lblCaption3");
    lblCardTitle = control<TLabel>("lblCardTitle");
    imgEyedropper = control<TImage>("imgEyedropper");
    imgMenu = control<TImage>("imgMenu");
    imgCollapseCards = control<TImage>("imgCollapseCards");
    imgBookClearCardDisabled = control<TImage>("imgBookClearCardDisabled");
    imgBookClearCard = control<TImage>("imgBookClearCard");
    imgPreviousCardDisabled = control<TImage>("imgPreviousCardDisabled");
    imgPreviousCard = control<TImage>("imgPreviousCard");
    imgNextCardDisabled = control<TImage>("imgNextCardDisabled");
    imgNextCard = control<TImage>("imgNextCard");
    imgColorPalette = control<TImage>("imgColorPalette");
    imgSwatchCard = control<TImage>("imgSwatchCard");
    pnlColor1 = control<TPanel>("pnlColor1");
    pnlColor2 = control<TPanel>("pnlColor2");
    pnlColor3 = control<TPanel>("pnlColor3");
    editCardTitle = control<TEdit>("editCardTitle");

    mnuMainMenu = popupMenu("mnuMainMenu");
    mnuOpen = mnuMainMenu->Item("mnuOpen");
    mnuNew = mnuMainMenu->Item("mnuNew");
    mnuSave = mnuMainMenu->Item("mnuSave");
    mnuSaveAs = mnuMainMenu->Item("mnuSaveAs");
    mnuPickFromScreen = mnuMainMenu->Item("mnuPickFromScreen");
    mnuRecentColours = mnuMainMenu->Item("mnuRecentColours");
    showRecentColours({});
    mnuExport = mnuMainMenu->Item("mnuExport");
    mnuImport = mnuMainMenu->Item("mnuImport");
    mnuPreview = mnuMainMenu->Item("mnuPreview");
    mnuBreak = mnuMainMenu->Item("mnuBreak");
    mnuSystemTray = mnuMainMenu->Item("mnuSystemTray");
    mnuExit = mnuMainMenu->Item("mnuExit");
    dlgOpen = fileDialog("dlgOpen");
    dlgSaveAs = fileDialog("dlgSaveAs");
    dlgExport = fileDialog("dlgExport");
    dlgImport = fileDialog("dlgImport");
}

void TfrmHuevella::bindEvents() {
    imgBookSkin->OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) {
        imgBookSkinMouseDown(b, s, x, y);
    };
    imgEyedropper->OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) {
        imgEyedropperMouseDown(b, s, x, y);
    };
    imgEyedropper->OnMouseMove = [this](TShiftState s, int x, int y) {
        imgEyedropperMouseMove(s, x, y);
    };
    imgEyedropper->OnKeyDown = [this](int& key, TShiftState s) { imgEyedropperKeyDown(key, s); };
    imgEyedropper->OnExit = [this] { imgEyedropperExit(); };
    imgEyedropper->OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y) {
        imgEyedropperMouseUp(b, s, x, y);
    };
    lblCaption1->OnClick = [this] { lblCaption1Click(); };
    lblCaption2->OnClick = [this] { lblCaption2Click(); };
    lblCaption3->OnClick = [this] { lblCaption3Click(); };
    // A right click on a code: the code in the forms people paste.
    // Plain names, not a structured binding: clang 14 cannot capture one.
    for (const auto& slot : {std::pair{lblCaption1, pnlColor1}, std::pair{lblCaption2, pnlColor2},
                             std::pair{lblCaption3, pnlColor3}}) {
        auto* const caption = slot.first;
        auto* const panel = slot.second;
        caption->OnMouseUp = [caption, panel](TMouseButton b, TShiftState, int, int) {
            if (b == TMouseButton::mbRight) PopupCodeMenu(caption, panel->Color());
        };
        caption->OnContextPopup = [caption, panel] { PopupCodeMenu(caption, panel->Color()); };
    }
    lblCardTitle->OnClick = [this] { lblCardTitleClick(); };
    editCardTitle->OnKeyPress = [this](char& key) { editCardTitleKeyPress(key); };
    editCardTitle->OnExit = [this] { editCardTitleExit(); };
    imgNextCard->OnClick = [this] { imgNextCardClick(); };
    imgPreviousCard->OnClick = [this] { imgPreviousCardClick(); };
    imgBookClearCard->OnClick = [this] { imgBookClearCardClick(); };
    imgMenu->OnClick = [this] { imgMenuClick(); };
    imgSwatchCard->OnClick = [this] { imgSwatchCardClick(); };
    imgCollapseCards->OnClick = [this] { imgCollapseCardsClick(); };
    imgColorPalette->OnClick = [this] { imgColorPaletteClick(); };
    mnuOpen->OnClick = [this] { mnuOpenClick(); };
    mnuNew->OnClick = [this] { mnuNewClick(); };
    mnuSave->OnClick = [this] { mnuSaveClick(); };
    mnuSaveAs->OnClick = [this] { mnuSaveAsClick(); };
    mnuPickFromScreen->OnClick = [this] { mnuPickFromScreenClick(); };
    mnuExport->OnClick = [this] { mnuExportClick(); };
    mnuImport->OnClick = [this] { mnuImportClick(); };
    mnuPreview->OnClick = [this] { mnuPreviewClick(); };
    mnuSystemTray->OnClick = [this] { mnuSystemTrayClick(); };
    mnuExit->OnClick = [this] { mnuExitClick(); };
}

void TfrmHuevella::FormCreate() {
    // The desktop's own picker or question takes the keyboard from us while
    // it answers a request of ours: the picker waits for that answer.
    Application->OnDeactivate = [this] {
        if (!desktop().desktopAnswering()) hideCompanionWindows();
    };
    // The two faces of one button: the one covered is hidden, so that the
    // keys and screen readers meet only the face that shows.
    imgCollapseCards->Hide();
}

void TfrmHuevella::FormKeyDown(int& key, TShiftState shift) {
    const bool ctrl = shift & ssCtrl;
    if (key == Qt::Key_Menu || (key == Qt::Key_F10 && (shift & ssShift))) {
        imgMenuClick();
    } else if (key == Qt::Key_PageDown || (ctrl && key == Qt::Key_Right)) {
        if (imgNextCard->Visible()) imgNextCardClick();
    } else if (key == Qt::Key_PageUp || (ctrl && key == Qt::Key_Left)) {
        if (imgPreviousCard->Visible()) imgPreviousCardClick();
    } else {
        TForm::FormKeyDown(key, shift);
        return;
    }
    key = 0;
}

QString TfrmHuevella::ControlJob(const QWidget* control) const {
    const QString name = control->objectName();
    for (int slot = 1; slot <= 3; ++slot)
        if (name == QStringLiteral("pnlColor%1").arg(slot) ||
            name == QStringLiteral("lblCaption%1").arg(slot))
            return tr("Card %1 colour %2").arg(currentCard + 1).arg(slot);
    if (name == QLatin1String("lblCardTitle")) return tr("Card %1 title").arg(currentCard + 1);
    return {};
}
