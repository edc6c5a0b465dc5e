#pragma once

#include <QPushButton>
#include <QTest>
#include <QWidget>

// The child of this type and object name; a missing one is reported, so a
// failing test says which control it lacked.
template <typename T> T* child(QWidget& parent, const char* name)
{
    T* widget = parent.findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qWarning("missing child %s", name);
    return widget;
}

// Clicks the push button of this object name inside the parent.
inline void click(QWidget& parent, const char* button)
{
    QPushButton* target = child<QPushButton>(parent, button);
    QVERIFY(target);
    target->click();
}

// Whether the user can see the widget: shown, inside the window and not
// covered by another widget.
inline bool seenInWindow(QWidget* widget, QWidget* window)
{
    if (!widget->isVisibleTo(window) || widget->size().isEmpty())
        return false;
    const QPoint centre = widget->mapTo(window, widget->rect().center());
    const QWidget* top = window->childAt(centre);
    return window->rect().contains(centre) && top && (top == widget || widget->isAncestorOf(top));
}
