#include "platform/forms/AccessibleTree.h"

#include "platform/forms/Forms.h"
#include "platform/forms/PaintBox.h"
#include "platform/forms/ScrollBox.h"

#include <QLineEdit>
#include <QScrollBar>

namespace {

// Only draws: a picture or a drawing surface that neither a click nor a key
// works, with no hint and no value, or what its window calls so.
bool decoration(const TControl* control) {
    auto* form = qobject_cast<const TForm*>(control->window());
    if (form && form->ControlIsDecoration(control)) return true;
    if (control->WorksByClickOrKey() || !control->toolTip().isEmpty()) return false;
    if (form && form->ControlValue(control)) return false;
    return qobject_cast<const TImage*>(control) || qobject_cast<const TPaintBox*>(control);
}

bool leftOut(const QWidget* widget) {
    const QString name = widget->objectName();
    if (name == QLatin1String("focusMark") || name == QLatin1String("announcer")) return true;
    if (qobject_cast<const QScrollBar*>(widget)) return true;
    if (auto* control = qobject_cast<const TControl*>(widget)) return decoration(control);
    // What Qt or a back end puts inside a control (a magnifier's own view).
    return qobject_cast<const TControl*>(widget->parentWidget()) != nullptr;
}

// A box that only holds others: its children stand in its place.
bool passedThrough(const QWidget* widget) {
    return !widget->isWindow() && !qobject_cast<const TControl*>(widget) &&
           !qobject_cast<const QLineEdit*>(widget) && !qobject_cast<const TScrollBox*>(widget);
}

void collect(const QWidget* widget, QList<QWidget*>& into) {
    for (QObject* object : widget->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow() || leftOut(child)) continue;
        if (passedThrough(child))
            collect(child, into);
        else
            into.append(child);
    }
}

} // namespace

namespace accessibletree {

QList<QWidget*> children(const QWidget* widget) {
    QList<QWidget*> list;
    collect(widget, list);
    return list;
}

QWidget* parent(const QWidget* widget) {
    QWidget* up = widget->parentWidget();
    while (up && passedThrough(up))
        up = up->parentWidget();
    return up;
}

} // namespace accessibletree
