#include "CalendarWeek.h"
#include <algorithm>

namespace {

enum class Unit { Percent, Index, TenThousand, Rate, Barrels };

// A release of the catalogue: values in hundredths of the unit; weekday 0 means any day.
// "{m}" stands for the month the figures are about, "{q}" for the quarter.
struct Entry {
    const char* time;
    const char* country;
    const char* indicator;
    const char* importance;
    Unit unit;
    int base;
    int spread;
    int weekday;
};

constexpr Entry kCatalogue[] = {
    {"07:50", "日本", "第{q}季度GDP年化季率初值", "中", Unit::Percent, 80, 150, 0},
    {"09:30", "澳大利亚", "{m}月季调后失业率", "高", Unit::Percent, 390, 30, 0},
    {"09:30", "中国", "{m}月CPI年率", "中", Unit::Percent, 60, 50, 0},
    {"09:45", "中国", "{m}月财新制造业PMI", "中", Unit::Index, 5080, 120, 0},
    {"14:00", "德国", "{m}月CPI月率终值", "低", Unit::Percent, 40, 30, 0},
    {"14:00", "英国", "{m}月GDP月率", "中", Unit::Percent, 10, 30, 0},
    {"15:30", "瑞士", "{m}月CPI年率", "中", Unit::Percent, 140, 30, 0},
    {"16:00", "欧元区", "{m}月制造业PMI终值", "低", Unit::Index, 4590, 100, 0},
    {"16:30", "英国", "{m}月服务业PMI终值", "低", Unit::Index, 5300, 100, 0},
    {"17:00", "欧元区", "{m}月CPI年率初值", "高", Unit::Percent, 240, 30, 0},
    {"17:00", "欧元区", "{m}月零售销售月率", "低", Unit::Percent, 20, 40, 0},
    {"17:00", "德国", "{m}月ZEW经济景气指数", "中", Unit::Index, 4200, 600, 2},
    {"19:00", "英国", "英国央行利率决议", "高", Unit::Rate, 525, 0, 4},
    {"20:15", "美国", "{m}月ADP就业人数", "中", Unit::TenThousand, 1800, 500, 3},
    {"20:30", "美国", "{m}月季调后非农就业人口", "高", Unit::TenThousand, 2000, 800, 5},
    {"20:30", "美国", "{m}月失业率", "高", Unit::Percent, 380, 20, 5},
    {"20:30", "美国", "至当周初请失业金人数", "中", Unit::TenThousand, 2150, 150, 4},
    {"20:30", "美国", "{m}月CPI年率", "高", Unit::Percent, 330, 30, 0},
    {"20:30", "美国", "{m}月零售销售月率", "高", Unit::Percent, 40, 50, 0},
    {"20:30", "加拿大", "{m}月失业率", "中", Unit::Percent, 610, 20, 0},
    {"21:45", "美国", "{m}月Markit制造业PMI终值", "低", Unit::Index, 5010, 100, 0},
    {"22:00", "美国", "{m}月ISM制造业PMI", "高", Unit::Index, 4930, 150, 0},
    {"22:00", "美国", "{m}月成屋销售总数年化", "低", Unit::TenThousand, 41500, 1500, 0},
    {"22:00", "美国", "{m}月密歇根大学消费者信心指数初值", "中", Unit::Index, 7700, 300, 0},
    {"22:30", "美国", "至当周EIA原油库存", "中", Unit::Barrels, 0, 50000, 3},
    {"23:00", "美国", "{m}月新屋销售总数年化", "低", Unit::TenThousand, 66000, 4000, 0},
};

constexpr const char* kSpeeches[] = {
    "美联储官员发表讲话",       "欧洲央行行长出席活动并讲话", "英国央行行长发表讲话",
    "日本央行行长出席国会听证", "澳洲联储主席发表讲话",       "美联储主席出席国会听证",
};

int decimals(Unit unit) { return unit == Unit::Rate ? 2 : 1; }

QString valueText(Unit unit, int hundredths) {
    const QString number = QString::number(hundredths / 100.0, 'f', decimals(unit));
    switch (unit) {
    case Unit::Percent:
    case Unit::Rate:
        return number + QLatin1Char('%');
    case Unit::TenThousand:
        return number + QStringLiteral("万");
    case Unit::Barrels:
        return number + QStringLiteral("万桶");
    case Unit::Index:
        break;
    }
    return number;
}

QString indicatorName(const char* pattern, const QDate& date) {
    const QDate about = date.addMonths(-1);
    return QString::fromUtf8(pattern)
        .replace(QStringLiteral("{m}"), QString::number(about.month()))
        .replace(QStringLiteral("{q}"), QString::number((date.addMonths(-3).month() + 2) / 3));
}

QTime timeOf(const Entry& e) { return QTime::fromString(QString::fromLatin1(e.time), QStringLiteral("HH:mm")); }

bool byTime(const CalendarEvent& a, const CalendarEvent& b) { return a.time < b.time; }

} // namespace

CalendarWeek::CalendarWeek(quint32 seed, const QDateTime& now) : seed_(seed) {
    generate(now);
    advance(now);
}

CalendarEvent CalendarWeek::makeEvent(int entry, const QDate& date, const QTime& time) {
    const Entry& e = kCatalogue[entry];
    // A value of the unit's precision, within spread of a centre.
    auto around = [this, &e](int centre, int spread) {
        const int step = e.unit == Unit::Rate ? 25 : 10;
        const int v = centre + random_.bounded(-spread, spread + 1);
        return v / step * step;
    };
    CalendarEvent ev;
    ev.time = time;
    ev.country = QString::fromUtf8(e.country);
    ev.indicator = indicatorName(e.indicator, date);
    ev.importance = QString::fromUtf8(e.importance);
    const int previous = around(e.base, e.spread);
    const bool noForecast = ev.importance == QStringLiteral("低") && random_.bounded(5) == 0;
    const int forecast = around(previous, e.spread / 3);
    ev.previous = valueText(e.unit, previous);
    ev.forecast = noForecast ? QStringLiteral("---") : valueText(e.unit, forecast);
    ev.actual = valueText(e.unit, around(forecast, e.spread / 2));
    // Results come out within a minute and a half of the scheduled time.
    ev.releaseAt = QDateTime(date, time).addSecs(random_.bounded(0, 90));
    return ev;
}

QList<CalendarEvent> CalendarWeek::generateDay(const QDate& date) {
    QList<int> chosen;
    QList<int> anyDay;
    for (int i = 0; i < int(std::size(kCatalogue)); ++i) {
        if (kCatalogue[i].weekday == date.dayOfWeek()) chosen.append(i);
        if (kCatalogue[i].weekday == 0) anyDay.append(i);
    }
    const int wanted = random_.bounded(6, 10);
    while (chosen.size() < wanted && !anyDay.isEmpty()) {
        chosen.append(anyDay.takeAt(random_.bounded(int(anyDay.size()))));
    }
    QList<CalendarEvent> events;
    for (int i : chosen) events.append(makeEvent(i, date, timeOf(kCatalogue[i])));
    std::sort(events.begin(), events.end(), byTime);
    return events;
}

void CalendarWeek::addLiveEvents(QList<CalendarEvent>& today, const QDateTime& now) {
    // A few releases minutes after the start, two of them at one minute, so that a new user
    // sees the reminders (five minutes ahead by default) and then the results, which come a
    // minute or two after their time, while watching.
    const QTime start(now.time().hour(), now.time().minute());
    QList<int> unused;
    for (int i = 0; i < int(std::size(kCatalogue)); ++i) {
        const QString name = indicatorName(kCatalogue[i].indicator, now.date());
        if (std::none_of(today.cbegin(), today.cend(),
                         [&name](const CalendarEvent& ev) { return ev.indicator == name; }))
            unused.append(i);
    }
    for (int minutes : kLiveEventMinutes) {
        const QTime at = start.addSecs(minutes * 60);
        if (at < start || at.hour() == 0 || unused.isEmpty()) continue; // past midnight, or a time the client skips
        CalendarEvent ev = makeEvent(unused.takeAt(random_.bounded(int(unused.size()))), now.date(), at);
        ev.releaseAt = QDateTime(now.date(), at).addSecs(random_.bounded(60, 121));
        today.append(ev);
    }
    std::sort(today.begin(), today.end(), byTime);
}

void CalendarWeek::generate(const QDateTime& now) {
    monday_ = mondayOf(now.date());
    // The same week under the same seed whenever the server starts.
    random_.seed(seed_ ^ quint32(monday_.toJulianDay()));
    for (int d = 0; d < kDays; ++d) {
        const QDate date = monday_.addDays(d);
        days_[d] = generateDay(date);
        speeches_[d].clear();
        const QTime at(random_.bounded(15, 23), random_.bounded(2) * 30);
        speeches_[d].append(at.toString(QStringLiteral("HH:mm#")) +
                            QString::fromUtf8(kSpeeches[random_.bounded(int(std::size(kSpeeches)))]));
    }
    const int today = now.date().dayOfWeek();
    if (today <= kDays) addLiveEvents(days_[today - 1], now);
}

QList<int> CalendarWeek::advance(const QDateTime& now) {
    const bool newWeek = mondayOf(now.date()) != monday_;
    if (newWeek) generate(now);
    QList<int> changed;
    for (int d = 1; d <= kDays; ++d) {
        bool released = false;
        for (CalendarEvent& ev : days_[d - 1]) {
            if (!ev.published && ev.releaseAt <= now) {
                ev.published = true;
                released = true;
            }
        }
        if (released || newWeek) changed.append(d);
    }
    return changed;
}

QString CalendarWeek::recordsText(int day) const {
    QStringList records;
    for (const CalendarEvent& ev : events(day)) {
        records.append(QStringList{ev.time.toString(QStringLiteral("HH:mm")), ev.country, ev.indicator, ev.previous,
                                   ev.importance, ev.forecast, ev.published ? ev.actual : QStringLiteral("待公布")}
                           .join(QLatin1Char('#')));
    }
    return records.join(QLatin1Char('|'));
}

QString CalendarWeek::summaryText(int day) const {
    QStringList pieces = speeches_[day - 1];
    for (const CalendarEvent& ev : events(day)) {
        if (ev.importance == QStringLiteral("高")) {
            pieces.append(ev.time.toString(QStringLiteral("HH:mm#")) + ev.country + QLatin1Char('#') + ev.indicator);
        }
    }
    pieces.sort(); // "HH:mm" first, so this is the order of time
    QString text;
    for (const QString& p : pieces) text += p + QLatin1Char('|');
    return text;
}
