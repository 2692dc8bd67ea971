#pragma once
#include <QString>
#include <cstddef>
#include <deque>
#include <set>
#include <utility>

// The flashes taken lately, as (time, title), so that one the server sends again (a
// reconnect's catch-up) is not listed twice. Only the latest are kept: the list shows 299,
// and a set of every flash of a long run grew without end.
class SeenFlashes {
public:
    static constexpr std::size_t Capacity = 2000;

    bool contains(const QString& time, const QString& title) const { return keys_.count({time, title}) != 0; }
    // Forgets the oldest beyond Capacity.
    void insert(const QString& time, const QString& title);
    std::size_t size() const { return keys_.size(); }

private:
    using Keys = std::set<std::pair<QString, QString>>;
    Keys keys_;
    std::deque<Keys::const_iterator> order_;
};
