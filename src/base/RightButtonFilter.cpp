#include "base/RightButtonFilter.h"

#include <QMouseEvent>
#include <QWidget>

RightButtonFilter::RightButtonFilter(QWidget* viewport, QObject* parent)
    : QObject(parent)
    , m_viewport(viewport)
{
    viewport->installEventFilter(this);
}

RightButtonFilter::~RightButtonFilter()
{
    if (m_viewport)
        m_viewport->removeEventFilter(this);
}

bool RightButtonFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_viewport.data())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::RightButton)
            break;
        const QPoint position = mouse->position().toPoint();
        const QPoint globalPosition = mouse->globalPosition().toPoint();
        if (event->type() == QEvent::MouseButtonRelease)
            emit released(position, globalPosition);
        else
            emit pressed(position, globalPosition);
        return true;
    }
    case QEvent::ContextMenu:
        // The owner's menu has opened on the press or the release already.
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
