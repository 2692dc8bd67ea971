// Arbitrary bytes as a journal batch: reading it back (the inverse of Journal::toJson) and
// replaying it on a page, as a simulated browser does. Whatever reads must replay without
// harm and write back to a batch that reads to the same ops.
#include "platform/dom/Document.h"
#include "platform/dom/Journal.h"
#include "platform/dom/JournalReplay.h"
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace dom;

namespace {

const char* const kPage =
    "<!DOCTYPE html><html><head><title>t</title></head><body>"
    "<table id=firstpage_table><tr><td>h</td></tr><tr><td>12/06 08:00</td><td>a</td></tr></table>"
    "<div id=d><span>x</span></div><select id=sel><option>1</option></select><input type=checkbox id=c>"
    "</body></html>";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    bool ok = false;
    qint64 seq = 0;
    const std::vector<Op> ops = JournalReplay::fromJson(json, &ok, &seq);
    if (!ok) return 0;
    auto page = Document::parse(QString::fromUtf8(kPage));
    (void)JournalReplay::apply(*page, ops);
    (void)page->serializeDocument();

    bool again = false;
    const std::vector<Op> reread = JournalReplay::fromJson(Journal::toJson(ops, seq), &again);
    if (!again || reread.size() != ops.size()) {
        std::fprintf(stderr, "a batch read from JSON does not read back after writing\n");
        std::abort();
    }
    return 0;
}
