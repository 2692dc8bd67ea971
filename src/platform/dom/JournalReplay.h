#pragma once
#include "platform/dom/Journal.h"
#include <QByteArray>
#include <vector>

namespace dom {

class Document;

// Applies journal ops to another document the way the browser side's applier
// (resources/scripts/journal-applier.js) applies them to the real page: the C++ twin of
// that script. The
// target must hold the same elements under the same node ids (e.g. a Document::parse of
// the same page text). Used by tests and the fuzzer to prove that a batch carries
// everything needed to reach the model's DOM, and usable by a simulated browser.
class JournalReplay {
public:
    // False when an op found no node, or an html op numbered another count of elements;
    // the remaining ops are still applied. The target's own journal records nothing.
    static bool apply(Document& target, const std::vector<Op>& ops);
    // The inverse of Journal::toJson; ok is false for text that is not such a batch.
    static std::vector<Op> fromJson(const QByteArray& json, bool* ok = nullptr, qint64* seq = nullptr);
};

} // namespace dom
