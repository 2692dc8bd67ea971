#include "NewsDesk.h"

const NewsFlash& NewsDesk::publish(const QDateTime& at, const QList<QuoteBoard::Quote>& prices) {
    archive_.push_back(writer_.write(nextId_++, at, prices));
    if (archive_.size() > kKept) archive_.pop_front();
    return archive_.back();
}

const NewsFlash* NewsDesk::find(qint32 id) const {
    for (const NewsFlash& f : archive_) {
        if (f.id == id) return &f;
    }
    return nullptr;
}

QList<NewsFlash> NewsDesk::after(qint32 id, int most) const {
    QList<NewsFlash> found;
    for (auto it = archive_.rbegin(); it != archive_.rend() && found.size() < most && it->id > id; ++it) {
        found.prepend(*it);
    }
    return found;
}
