#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

namespace ledgrix {

// Source of "today" and "now". Nothing in the program reads the system clock
// directly, so tests can pin the date a document is entered on.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
    QTime time() const { return now().time(); }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stays where it is put; used by tests and by batch tools that
// must stamp every row with the same moment.
class FixedClock final : public Clock {
public:
    explicit FixedClock(QDateTime at) : at_(std::move(at)) {}
    QDateTime now() const override { return at_; }
    void set(QDateTime at) { at_ = std::move(at); }
    void advanceDays(int days) { at_ = at_.addDays(days); }

private:
    QDateTime at_;
};

}  // namespace ledgrix
