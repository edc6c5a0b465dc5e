#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

// Holds back the painting of a window whose contents change faster than
// anyone can read them: while on, the window paints at most once per
// interval, and then only what changed since it last painted. Its widgets
// stay current throughout; only the painting waits. Switching it off paints
// what is pending at once.
//
// A scan against fast servers changes the status bar, the progress and the
// lists after every query. Painting each change costs more than the query
// itself, and painting whole widgets on a timer paints much that did not
// change.
class RepaintThrottle : public QObject
{
    Q_OBJECT

public:
    // Throttles the window that holds the widget (taken when switched on).
    RepaintThrottle(QWidget* widget, int intervalMs, QObject* parent = nullptr);
    ~RepaintThrottle() override;

    void setOn(bool on);
    bool isOn() const { return m_on; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintHeldBack();

    QPointer<QWidget> m_widget;
    QPointer<QWidget> m_window;
    QTimer m_timer;
    bool m_on = false;
    // The window asked to paint and was kept from it.
    bool m_heldBack = false;
    bool m_painting = false;
};
