#pragma once
#include "NewsFlash.h"
#include "NewsWriter.h"
#include <deque>

// The news room: numbers the flashes the writer produces, in increasing ids, and keeps
// the recent ones for article pages and for clients that log on late.
class NewsDesk {
public:
    NewsDesk(quint32 seed, qint32 firstId) : writer_(seed), nextId_(firstId) {}

    const NewsFlash& publish(const QDateTime& at, const QList<QuoteBoard::Quote>& prices);
    const NewsFlash* find(qint32 id) const;
    // The newest flashes with an id above the given one, at most `most`, oldest first.
    QList<NewsFlash> after(qint32 id, int most) const;

private:
    static constexpr size_t kKept = 1000;
    NewsWriter writer_;
    std::deque<NewsFlash> archive_;
    qint32 nextId_;
};
