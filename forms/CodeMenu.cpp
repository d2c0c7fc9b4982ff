#include "forms/CodeMenu.h"

#include "core/colour/Apca.h"
#include "core/colour/Contrast.h"
#include "core/colour/Conversions.h"
#include "core/colour/CssNames.h"
#include "core/colour/CssText.h"
#include "platform/desktop/Desktop.h"
#include "platform/desktop/Pointer.h"
#include "platform/forms/Announce.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Keyboard.h"
#include "platform/forms/Language.h"
#include "platform/forms/Preferences.h"
#include "platform/forms/Screen.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QPointer>

namespace {

// The skins' warm dark with the eyedropper's amber for the chosen item.
constexpr const char* menuLook = R"(
QMenu { background: #2E2A27; color: #E8E0D6; border: 1px solid #5A4E44; padding: 3px 0; }
QMenu::item { padding: 3px 14px 3px 12px; }
QMenu::item:selected { background: #F2A33A; color: #201810; }
QMenu::item:disabled { color: #A8998A; }
QMenu::separator { height: 1px; background: #5A4E44; margin: 3px 6px; }
)";

// The nearest name is offered only where it is close enough to stand for
// the colour.
constexpr double closeName = 5.0;

// Long enough to be read at a glance, short enough not to stand in the
// way of the next click.
constexpr int CopiedShown = 900; // ms

void signCopied(TLabel* code, const QString& what) {
    code->flash(fromQString(QCoreApplication::translate("CodeMenu", "Copied")), CopiedShown);
    announce(QCoreApplication::translate("CodeMenu", "Copied %1").arg(what));
}

// "4.5:1", with the decimal mark of the language chosen.
QString localDecimal(const std::string& figure) {
    QString text = toQString(figure);
    const QString mark = languageLocale().decimalPoint();
    if (mark != QLatin1String(".")) text.replace('.', mark);
    return text;
}

QString localRatio(int hundredths) {
    return localDecimal(ratioText(hundredths));
}

constexpr const char* LastCopiedKey = "codes/lastCopied";
constexpr const char* ClickKey = "codes/click";

std::optional<CodeForm> keptForm(const char* key) {
    const int kept = keptChoice(key, int(CodeForm::Hex));
    if (kept < int(CodeForm::Hex) || kept > int(CodeForm::Hwb)) return std::nullopt;
    return CodeForm(kept);
}

void copiedIn(CodeForm form) {
    keepChoice(LastCopiedKey, int(form));
}

} // namespace

CodeForm LastCopiedForm() {
    return keptForm(LastCopiedKey).value_or(CodeForm::Hex);
}

CodeForm ClickedForm() {
    return keptForm(ClickKey).value_or(CodeForm::Hex);
}

void CopyCode(TLabel* code) {
    const std::string caption = code->Caption();
    if (caption.empty()) {
        Clipboard().setAsText(caption);
        return;
    }
    // A code in the form a click copies; anything else (a message) as it
    // stands.
    const bool isCode = caption.size() == 6 &&
                        caption.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos;
    const CodeForm form = isCode ? ClickedForm() : CodeForm::Hex;
    const std::string text = isCode ? codeInForm(HexToColor(caption), form) : caption;
    Clipboard().setAsText(text);
    copiedIn(form);
    signCopied(code, toQString(text));
}

void PopupCodeMenu(TLabel* code, TColor color) {
    if (code->Caption().empty() || color == clNone) return;
    auto* menu = new QMenu(code->window());
    menu->setObjectName("codeMenu");
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setStyleSheet(QString::fromLatin1(menuLook));
    const QPointer<TLabel> sign(code);
    const auto copy = [menu, sign](const QString& label, const std::string& text,
                                   std::optional<CodeForm> form = std::nullopt) {
        QAction* action = menu->addAction(label);
        QObject::connect(action, &QAction::triggered, menu, [text, sign, form] {
            desktop().setClipboardText(toQString(text));
            if (form) copiedIn(*form);
            if (sign) signCopied(sign, toQString(text));
        });
    };
    // The comma rgb() counts as rgb() for the form copied last.
    const std::pair<std::string, CodeForm> forms[] = {
        {cssHex(color), CodeForm::HashHex},   {cssRgb(color), CodeForm::Rgb},
        {cssRgb(color, true), CodeForm::Rgb}, {cssHsl(color), CodeForm::Hsl},
        {cssOklch(color), CodeForm::Oklch},   {cssLab(color), CodeForm::Lab},
        {cssLch(color), CodeForm::Lch},       {cssOklab(color), CodeForm::Oklab},
        {cssHwb(color), CodeForm::Hwb}};
    for (const auto& [text, form] : forms)
        copy(QCoreApplication::translate("CodeMenu", "Copy %1").arg(toQString(text)), text, form);
    const NamedColour near = nearestCssName(color);
    if (near.distance <= closeName)
        copy(QCoreApplication::translate("CodeMenu", "Copy %1 (ΔE %2)")
                 .arg(toQString(near.name), languageLocale().toString(near.distance, 'f', 1)),
             near.name);
    menu->addSeparator();
    // An item the arrows reach, and so read: it copies its own figures.
    const QString contrast =
        QCoreApplication::translate("CodeMenu", "Contrast %1 on white, %2 on black")
            .arg(localRatio(contrastHundredths(color, clWhite)),
                 localRatio(contrastHundredths(color, clBlack)));
    copy(contrast, fromQString(contrast));
    // APCA's lightness contrast of the colour as text on each.
    const QString lightness =
        QCoreApplication::translate("CodeMenu", "APCA Lc %1 on white, %2 on black")
            .arg(localDecimal(lcText(apcaLc(color, clWhite))),
                 localDecimal(lcText(apcaLc(color, clBlack))));
    copy(lightness, fromQString(lightness));
    // What a click on a code copies, this colour's code in each form.
    menu->addSeparator();
    QMenu* clicks = menu->addMenu(QCoreApplication::translate("CodeMenu", "A Click Copies"));
    clicks->setObjectName("clickCopies");
    auto* choices = new QActionGroup(clicks);
    for (const CodeForm form : CodeForms) {
        QAction* choice = clicks->addAction(toQString(codeInForm(color, form)));
        choice->setCheckable(true);
        choice->setChecked(form == ClickedForm());
        choices->addAction(choice);
        QObject::connect(choice, &QAction::triggered, menu,
                         [form] { keepChoice(ClickKey, int(form)); });
    }
    FreePointer();
    // From the keyboard, under the code it is for, its first item chosen
    // so that the arrows start from there.
    if (RunningFromKeyboard()) {
        menu->setActiveAction(menu->actions().value(0));
        desktop().popupMenu(menu, code->mapToGlobal(QPoint(0, code->height())));
        return;
    }
    desktop().popupMenu(menu, desktop().cursorPos());
}
