#include "scan/RepaintThrottle.h"

#include <QWidget>

RepaintThrottle::RepaintThrottle(QWidget* widget, int intervalMs, QObject* parent)
    : QObject(parent)
    , m_widget(widget)
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RepaintThrottle::repaintNow);
}

RepaintThrottle::~RepaintThrottle()
{
    setOn(false);
}

void RepaintThrottle::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    if (!m_widget)
        return;
    if (on) {
        m_widget->setUpdatesEnabled(false);
        m_timer.start();
    } else {
        m_timer.stop();
        m_widget->setUpdatesEnabled(true);
    }
}

void RepaintThrottle::repaintNow()
{
    if (!m_widget)
        return;
    // Updates are allowed just long enough for one repaint of everything
    // that changed since the last one.
    m_widget->setUpdatesEnabled(true);
    m_widget->repaint();
    m_widget->setUpdatesEnabled(false);
}
