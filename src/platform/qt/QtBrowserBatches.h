#pragma once
#include "platform/dom/Journal.h"
#include <deque>
#include <functional>

namespace plat {

// The program's changes of one page on their way to the real page: numbered batches, held
// back until the page's bridge is ready, then sent in order; each kept until the page
// acknowledges it, so that a change the page made on its own meanwhile can be told apart
// from one that a batch still in flight will overwrite there.
class QtBrowserBatches {
public:
    using Send = std::function<void(int seq, const QByteArray& json)>;
    explicit QtBrowserBatches(Send send) : send_(std::move(send)) {}

    // A new page: nothing sent yet, numbering from 1, the bridge not ready.
    void reset();
    void push(std::vector<dom::Op> ops);
    // The bridge is up: what waited goes out.
    void setReady();
    bool ready() const { return ready_; }
    void acknowledge(int seq);

    int lastSeq() const { return seq_; }
    int acknowledged() const { return acked_; }
    bool settled() const { return acked_ >= seq_; }

    // Whether an op that the page has not applied yet (unacknowledged, or still pending in
    // the journal) will set what fact, a change the page made on its own, set there.
    bool overrides(const dom::Op& fact, const std::vector<dom::Op>& pending) const;

private:
    struct Batch {
        int seq;
        std::vector<dom::Op> ops;
        QByteArray json;
    };

    static bool overrides(const dom::Op& later, const dom::Op& fact);

    Send send_;
    std::deque<Batch> unacked_;
    int seq_ = 0;
    int acked_ = 0;
    bool ready_ = false;
};

} // namespace plat
