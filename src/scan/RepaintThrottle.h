#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

// Holds back the repaints of a widget whose contents change faster than
// anyone can read them: while on, the widget is repainted at most once per
// interval, showing its latest state. Its contents stay current throughout;
// only the painting waits. Switching it off repaints the widget at once.
//
// A scan against fast servers changes the status bar after every query,
// and repainting it each time costs more than the query itself.
class RepaintThrottle : public QObject
{
    Q_OBJECT

public:
    RepaintThrottle(QWidget* widget, int intervalMs, QObject* parent = nullptr);
    ~RepaintThrottle() override;

    void setOn(bool on);
    bool isOn() const { return m_on; }

private:
    void repaintNow();

    QPointer<QWidget> m_widget;
    QTimer m_timer;
    bool m_on = false;
};
