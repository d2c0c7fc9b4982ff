#include "platform/forms/Forms.h"

#include "platform/desktop/Desktop.h"
#include "platform/desktop/Pointer.h"
#include "platform/forms/Application.h"
#include "platform/forms/Keyboard.h"
#include "platform/forms/PaintBox.h"
#include "platform/forms/ScrollBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>

#include <algorithm>
#include <vector>

namespace {

// The framework's bitmap fonts, by the nearest face a Linux desktop has.
void substituteFonts() {
    static const bool substituted = [] {
        QFont::insertSubstitution("Small Fonts", "Liberation Sans");
        QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
        return true;
    }();
    (void)substituted;
}

QFont fontFor(const ControlDef& def, const QFont& base) {
    substituteFonts();
    QFont font = base;
    if (*def.fontName) font.setFamily(QString::fromLatin1(def.fontName));
    if (def.fontPixels > 0) font.setPixelSize(def.fontPixels);
    return font;
}

} // namespace

QString formText(const char* text) {
    return *text ? QCoreApplication::translate(FormTexts, text) : QString();
}

namespace {

void place(QWidget* widget, const ControlDef& def) {
    widget->setObjectName(QString::fromLatin1(def.name));
    widget->setGeometry(def.left, def.top, def.width, def.height);
    widget->setToolTip(formText(def.hint));
    // Kept aside: setting the accessible description would have a listening
    // screen reader ask for the control before it is whole, and keep the
    // plain answer it got.
    if (*def.keys) widget->setProperty("keys", formText(def.keys));
    widget->setVisible(def.visible);
    if (!def.tabStop) widget->setProperty("tabStop", false);
}

} // namespace

BuildingForms::BuildingForms() : desktopFont(QApplication::font()) {
    substituteFonts();
    QFont forms = desktopFont;
    forms.setFamily(QStringLiteral("MS Sans Serif"));
    QApplication::setFont(forms);
}

BuildingForms::~BuildingForms() {
    QApplication::setFont(desktopFont);
}

TForm::TForm(const FormDef& def) : TForm(def, Contents::Later) {
    CreateContents(def);
}

TForm::TForm(const FormDef& def, Contents) {
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
    if (def.toolWindow) flags |= Qt::Tool;
    if (def.stayOnTop) flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    setObjectName(QString::fromLatin1(def.name));
    setWindowTitle(formText(def.caption));
    setFixedSize(def.clientWidth, def.clientHeight);
    if (def.toolWindow) setAttribute(Qt::WA_ShowWithoutActivating);
    docked = def.toolWindow;
    f6Place = def.f6Place;
    if (docked && placingOurselves()) setWindowFlags(unmanagedFlags(flags));
    // Qt shows hints only for the active window, and the companions are
    // never activated: their hints must show all the same.
    setAttribute(Qt::WA_AlwaysShowToolTips);
    // The menus with the window itself: the tray entry, put up before the
    // controls, offers the main menu to panels from its first moment.
    for (const MenuDef& menuDef : def.menus) {
        auto menu = std::make_unique<TPopupMenu>(this);
        for (const MenuItemDef& item : menuDef.items)
            menu->Add(item.name, fromQString(formText(item.caption)), item.enabled, item.shortcut);
        menus[menuDef.name] = std::move(menu);
    }
}

void TForm::CreateContents(const FormDef& def) {
    for (const ControlDef& control : def.controls)
        createControl(control);
    setTabOrder(def);
    // Panels and edits are windows of their own and lie above the painted
    // controls, whatever their place in the definition.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (qobject_cast<TPanel*>(child) || qobject_cast<TEdit*>(child) ||
            qobject_cast<TScrollBox*>(child))
            child->raise();

    for (const DialogDef& dialogDef : def.dialogs) {
        std::unique_ptr<TFileDialog> dialog;
        if (dialogDef.save) {
            auto saveDialog = std::make_unique<TSaveDialog>();
            saveDialog->setOverwritePrompt(dialogDef.overwritePrompt);
            dialog = std::move(saveDialog);
        } else {
            dialog = std::make_unique<TOpenDialog>();
        }
        dialog->Filter = fromQString(formText(dialogDef.filter));
        dialog->DefaultExt = dialogDef.defaultExt;
        dialog->Title = fromQString(formText(dialogDef.title));
        dialogs[dialogDef.name] = std::move(dialog);
    }
}

TForm::~TForm() {
    if (Application) Application->FormDestroyed(this);
    // The window's own part is gone by now: the focus leaving a control as
    // the controls are destroyed must not call into it.
    for (TControl* control : findChildren<TControl*>())
        control->OnExit = nullptr;
}

void TForm::createControl(const ControlDef& def) {
    QWidget* parent = this;
    if (*def.parent) {
        auto* box = findChild<TScrollBox*>(QString::fromLatin1(def.parent));
        Q_ASSERT_X(box, "TForm::createControl", def.parent);
        parent = box->Content();
    }
    switch (def.kind) {
    case ControlKind::Image: {
        auto* image = new TImage(parent);
        if (*def.picture) image->setPicturePath(def.picture);
        place(image, def);
        break;
    }
    case ControlKind::Label: {
        auto* label = new TLabel(parent);
        label->setColor(def.color);
        label->setAlignment(def.alignment);
        label->setLayout(def.layout);
        label->setWordWrap(def.wordWrap);
        if (def.fontColor != clNone) {
            QPalette colours = label->palette();
            colours.setColor(QPalette::WindowText, toQColor(def.fontColor));
            label->setPalette(colours);
        }
        label->setFont(fontFor(def, label->font()));
        label->setShrinkToFit(def.shrinkToFit);
        place(label, def);
        break;
    }
    case ControlKind::Panel: {
        auto* panel = new TPanel(parent);
        panel->setColor(def.color);
        place(panel, def);
        break;
    }
    case ControlKind::Edit: {
        auto* edit = new TEdit(parent);
        edit->setFrame(false);
        // A borderless edit of the framework keeps about a pixel either side, where
        // Qt keeps two: the narrow value fields need the room.
        edit->setTextMargins(-1, 0, -1, 0);
        if (def.color != clNone) edit->setColor(def.color);
        edit->setFont(fontFor(def, edit->font()));
        edit->setHideSelection(def.hideSelection);
        if (def.maxLength > 0) edit->setMaxBytes(def.maxLength);
        edit->setAutoSelect(def.autoSelect);
        place(edit, def);
        edit->setShrinkToFit(def.shrinkToFit);
        break;
    }
    case ControlKind::PaintBox: place(new TPaintBox(parent), def); break;
    case ControlKind::ScrollBox: {
        auto* box = new TScrollBox(parent);
        place(box, def);
        box->setRange(def.rangeWidth, def.rangeHeight);
        if (def.color != clNone) box->setColor(def.color);
        break;
    }
    }
}

void TForm::setTabOrder(const FormDef& def) {
    std::vector<const ControlDef*> chain;
    for (const ControlDef& control : def.controls)
        if (control.tabOrder >= 0) chain.push_back(&control);
    std::sort(chain.begin(), chain.end(),
              [](auto* a, auto* b) { return a->tabOrder < b->tabOrder; });
    QWidget* previous = nullptr;
    for (const ControlDef* control : chain) {
        auto* widget = findChild<QWidget*>(QString::fromLatin1(control->name));
        if (!widget) continue;
        if (widget->focusPolicy() == Qt::NoFocus) widget->setFocusPolicy(Qt::TabFocus);
        if (previous) QWidget::setTabOrder(previous, widget);
        if (!previous) tabChainStart = widget;
        previous = widget;
    }
    tabChainEnd = previous;
}

TPopupMenu* TForm::popupMenu(const char* name) const {
    const auto found = menus.find(name);
    return found == menus.end() ? nullptr : found->second.get();
}

TFileDialog* TForm::fileDialog(const char* name) const {
    const auto found = dialogs.find(name);
    return found == dialogs.end() ? nullptr : found->second.get();
}

bool TForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate) safeCall([this] { FormDeactivate(); });
    return QWidget::event(event);
}

void TForm::hideEvent(QHideEvent* event) {
    // A window that goes away takes no pointer confinement with it.
    FreePointer();
    QWidget::hideEvent(event);
}

void TForm::closeEvent(QCloseEvent* event) {
    // A query that fails keeps the window open: nothing unsaved is lost.
    bool canClose = false;
    safeCall([&] { canClose = FormCloseQuery(); });
    if (!canClose) {
        event->ignore();
        return;
    }
    event->accept();
    // Closing the main form ends the program, as the framework does.
    if (Application && Application->MainForm() == this) Application->Terminate();
}
