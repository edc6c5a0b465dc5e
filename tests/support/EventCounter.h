#pragma once

#include <QEvent>
#include <QHash>
#include <QObject>

// Counts the events of one type that each watched object receives, such as
// the paints of widgets or the layout requests of a window.
class EventCounter : public QObject
{
public:
    explicit EventCounter(QEvent::Type type)
        : m_type(type)
    {}

    void watch(QObject* object) { object->installEventFilter(this); }
    int count(QObject* object) const { return m_counts.value(object); }
    int total() const
    {
        int sum = 0;
        for (const int count : m_counts)
            sum += count;
        return sum;
    }
    void clear() { m_counts.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == m_type)
            ++m_counts[watched];
        return false;
    }

private:
    QEvent::Type m_type;
    QHash<QObject*, int> m_counts;
};
