#pragma once

#include <QAccessibleWidget>
#include <QList>
#include <QWidget>

// The tree screen readers walk: each window a frame with its title, in it
// the controls a person meets. Left out: what only draws (skins, the
// frames around colours, the focus ring, pictures that do nothing) and
// the boxes Qt builds inside a scroll box, whose controls stand under the
// scroll box itself; its bars go with them, the keys scroll it.
namespace accessibletree {
QList<QWidget*> children(const QWidget* widget);
QWidget* parent(const QWidget* widget);
} // namespace accessibletree

// A widget's interface that answers with that tree.
template <class Base> class InTree : public Base {
public:
    using Base::Base;
    int childCount() const override { return int(accessibletree::children(Base::widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> list = accessibletree::children(Base::widget());
        return index >= 0 && index < list.size()
                   ? QAccessible::queryAccessibleInterface(list[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        auto* widget = child ? qobject_cast<QWidget*>(child->object()) : nullptr;
        return widget ? int(accessibletree::children(Base::widget()).indexOf(widget)) : -1;
    }
    QAccessibleInterface* parent() const override {
        if (Base::widget()->isWindow()) return Base::parent();
        return QAccessible::queryAccessibleInterface(accessibletree::parent(Base::widget()));
    }
};
