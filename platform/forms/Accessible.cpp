#include "platform/forms/Accessible.h"

#include "core/colour/CssText.h"

#include "platform/forms/AccessibleTree.h"
#include "platform/forms/EditAccessible.h"
#include "platform/forms/Forms.h"
#include "platform/forms/PaintBox.h"
#include "platform/forms/ScrollBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLineEdit>

namespace {

// "imgSwatchCard" → "Swatch card": the job a control's name tells.
// The kind is cut by hand: a regular expression here would load its
// library at start-up, where Qt asks after the edits being filled.
QString jobFromName(const QString& name) {
    QStringView rest = name;
    const QStringView afterCP = rest.startsWith(u"CP") ? rest.mid(2) : rest;
    for (const char16_t* kind : {u"img", u"lbl", u"pnl", u"pbx", u"edit"})
        if (afterCP.startsWith(kind)) {
            rest = afterCP.mid(QStringView(kind).size());
            break;
        }
    QString words;
    for (int i = 0; i < rest.size(); ++i) {
        const QChar c = rest[i];
        if (i > 0 && c.isUpper() && !rest[i - 1].isUpper()) words += ' ';
        if (i > 0 && c.isDigit() && !rest[i - 1].isDigit()) words += ' ';
        words += i == 0 ? c.toUpper() : c.toLower();
    }
    if (words.isEmpty()) return name;
    // The short words of the names, said in full.
    static const std::pair<const char*, const char*> full[] = {{"Sat", "Saturation"},
                                                               {"Lum", "Luminance"},
                                                               {"Hex", "Hex code"},
                                                               {"color", "colour"},
                                                               {"Color", "Colour"}};
    QStringList said = words.split(' ');
    // The numbers stand apart from the words, which are translated as one
    // ("Scheme %1 colour %2").
    QStringList numbers;
    for (QString& word : said) {
        for (const auto& [brief, whole] : full)
            if (word == QLatin1String(brief)) word = QLatin1String(whole);
        if (word[0].isDigit()) {
            numbers << word;
            word = QLatin1Char('%') + QString::number(numbers.size());
        }
    }
    QString job = QCoreApplication::translate("Controls", said.join(' ').toUtf8().constData());
    for (const QString& number : numbers)
        job = job.arg(number);
    return job;
}

QString jobOf(const QWidget* control) {
    if (auto* form = qobject_cast<const TForm*>(control->window())) {
        const QString job = form->ControlJob(control);
        if (!job.isEmpty()) return job;
    }
    return jobFromName(control->objectName());
}

QString codeOf(TColor color) {
    if (color == BlankColor || color == clNone)
        return QCoreApplication::translate("Controls", "empty");
    return toQString(cssHex(color).substr(1));
}

// A control's role as it stands: a window made while a screen reader
// listens is asked before its handlers are bound, so the answer is not kept.
QAccessible::Role roleOf(const TControl* control) {
    if (control->WorksByClickOrKey() || control->objectName().endsWith(QLatin1String("Disabled")))
        return QAccessible::Button;
    if (qobject_cast<const TLabel*>(control)) return QAccessible::StaticText;
    if (qobject_cast<const TPaintBox*>(control)) return QAccessible::Slider;
    return QAccessible::Graphic;
}

class ControlAccessible : public InTree<QAccessibleWidget>, public QAccessibleValueInterface {
public:
    ControlAccessible(TControl* control, QAccessible::Role role)
        : InTree(control, role), control(control) {}

    QAccessible::Role role() const override { return roleOf(control); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && range())
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return range() ? range()->value : QVariant(); }
    QVariant minimumValue() const override { return range() ? range()->minimum : QVariant(); }
    QVariant maximumValue() const override { return range() ? range()->maximum : QVariant(); }
    QVariant minimumStepSize() const override { return 1; }
    void setCurrentValue(const QVariant& value) override {
        if (auto* form = qobject_cast<TForm*>(control->window()))
            form->SetControlValue(control, value.toInt());
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return name();
        if (t == QAccessible::Description) {
            const QString keys = control->property("keys").toString();
            return keys.isEmpty() ? control->toolTip() : keys;
        }
        if (t == QAccessible::Value) {
            if (auto* label = qobject_cast<TLabel*>(control)) return toQString(label->Caption());
            if (auto* panel = qobject_cast<TPanel*>(control)) return codeOf(panel->Color());
        }
        return QAccessibleWidget::text(t);
    }

    // The disabled face of a two-state button is that button, unavailable.
    QAccessible::State state() const override {
        QAccessible::State st = QAccessibleWidget::state();
        if (control->objectName().endsWith(QLatin1String("Disabled"))) st.disabled = true;
        return st;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (control->WorksByClickOrKey()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action != pressAction() || !control->WorksByClickOrKey()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // As Space on the focused control.
        control->setFocus(Qt::OtherFocusReason);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(control, &press);
    }

private:
    std::optional<TForm::RangeValue> range() const {
        auto* form = qobject_cast<const TForm*>(control->window());
        return form ? form->ControlValue(control) : std::nullopt;
    }

    QString name() const {
        if (!control->accessibleName().isEmpty()) return control->accessibleName();
        // A caption is read as its text (a code, a title); an empty one by
        // what it is for, said to be empty, its hint ("Click to Copy") being
        // what it does.
        if (auto* label = qobject_cast<TLabel*>(control)) {
            const QString caption = toQString(label->Caption());
            if (!caption.isEmpty()) return caption;
            return jobOf(control) + QStringLiteral(", ") +
                   QCoreApplication::translate("Controls", "empty");
        }
        if (auto* panel = qobject_cast<TPanel*>(control))
            return jobOf(control) + QStringLiteral(", ") + codeOf(panel->Color());
        if (!control->toolTip().isEmpty()) return control->toolTip();
        return jobOf(control);
    }

    TControl* control;
};

// An edit keeps Qt's own role and is given a name: its hint, else its job.
QString nameOfEdit(const TEdit* edit) {
    return edit->toolTip().isEmpty() ? jobOf(edit) : edit->toolTip();
}

QAccessibleInterface* makeAccessible(const QString&, QObject* object) {
    if (object->objectName() == QLatin1String("announcer"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    // Our windows as frames with their titles.
    if (auto* form = qobject_cast<TForm*>(object))
        return new InTree<QAccessibleWidget>(form, QAccessible::Window);
    auto* control = qobject_cast<TControl*>(object);
    if (!control) {
        // A scroll box is a panel named for its job; what Qt builds inside it
        // is left out of the tree.
        if (auto* box = qobject_cast<TScrollBox*>(object)) {
            if (box->accessibleName().isEmpty()) box->setAccessibleName(jobOf(box));
            return new InTree<QAccessibleWidget>(box, QAccessible::Pane);
        }
        if (auto* edit = qobject_cast<TEdit*>(object); edit && edit->accessibleName().isEmpty())
            edit->setAccessibleName(nameOfEdit(edit));
        // Every line edit, a file dialog's too.
        if (auto* edit = qobject_cast<QLineEdit*>(object)) return makeEditAccessible(edit);
        return nullptr;
    }
    return new ControlAccessible(control, roleOf(control));
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(makeAccessible);
}

void announceNameChange(QWidget* control) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void announceValueChange(QWidget* control, int value) {
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(control, value);
    QAccessible::updateAccessibility(&event);
}
