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
