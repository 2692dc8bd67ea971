#pragma once
#include <QDateTime>

// Local wall-clock time for the generators (calendar week, result release, news time
// stamps). Tests pin it so that what depends on "now" is reproducible.
class DemoClock {
public:
    QDateTime now() const { return fixed_.isValid() ? fixed_ : QDateTime::currentDateTime(); }
    void pin(const QDateTime& at) { fixed_ = at; }

private:
    QDateTime fixed_;
};
