#pragma once
#include <algorithm>
#include <vector>

namespace plat {

// The objects of one kind that a simulated desktop has handed out and that still exist, in
// the order of their creation, so that tests can reach what the program created. Each object
// enters the list when it is made and leaves it in its destructor.
template <class T>
class SimLiveList {
public:
    void add(T* item) { items_.push_back(item); }
    void remove(T* item) { items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end()); }
    const std::vector<T*>& items() const { return items_; }
    // The most recent one, nullptr when there is none.
    T* last() const { return items_.empty() ? nullptr : items_.back(); }

private:
    std::vector<T*> items_;
};

} // namespace plat
