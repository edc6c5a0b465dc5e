#include "scan/RepaintThrottle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

RepaintThrottle::RepaintThrottle(QWidget* widget, int intervalMs, QObject* parent)
    : QObject(parent)
    , m_widget(widget)
{
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RepaintThrottle::paintHeldBack);
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
    if (on) {
        if (!m_widget)
            return;
        m_window = m_widget->window();
        m_window->installEventFilter(this);
        m_timer.start();
        return;
    }
    m_timer.stop();
    if (m_window)
        m_window->removeEventFilter(this);
    paintHeldBack();
    m_window = nullptr;
}

bool RepaintThrottle::eventFilter(QObject* watched, QEvent* event)
{
    // Every change of a widget marks its area for painting and asks the
    // window for a paint of all that is marked; the window asks once until it
    // has painted, whether the request is posted or a widget's repaint() sends
    // it at once. Holding the request back lets the marks add up.
    if (watched == m_window && event->type() == QEvent::UpdateRequest && !m_painting) {
        m_heldBack = true;
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void RepaintThrottle::paintHeldBack()
{
    if (!m_heldBack || !m_window)
        return;
    m_heldBack = false;
    m_painting = true;
    QEvent paintMarked(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(m_window, &paintMarked);
    m_painting = false;
}
