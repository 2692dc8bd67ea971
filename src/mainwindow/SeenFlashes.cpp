#include "mainwindow/SeenFlashes.h"

void SeenFlashes::insert(const QString& time, const QString& title) {
    const auto [at, added] = keys_.emplace(time, title);
    if (!added) return;
    order_.push_back(at);
    if (order_.size() <= Capacity) return;
    keys_.erase(order_.front());
    order_.pop_front();
}
