#pragma once

#include <QDate>

// Today's date, passed in so that tests can fix it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDate today() const override { return QDate::currentDate(); }
};
