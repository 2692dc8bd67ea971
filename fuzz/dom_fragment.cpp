// Fragment parsing of arbitrary bytes, then the table operations the program uses, the
// mini interpreter, serialisation, and a replay of the journal on a copy of the page,
// which must end with the same DOM as the model.
//
// Input: byte 0 chooses the fragment context, byte 1 seeds the operations, the rest is the
// fragment (decoded as UTF-8, invalid sequences included, or as Latin-1).
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/dom/Journal.h"
#include "platform/dom/JournalReplay.h"
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace dom;

namespace {

const char* const kPage =
    "<!DOCTYPE html><html><head><title>t</title></head><body>"
    "<table id=t><thead><tr><td>h</td></tr></thead><tr><td id=iAllSort onclick=\"sortTable('t')\">时间</td></tr>"
    "<tr><td>12/06 08:00</td><td>a</td></tr></table>"
    "<div id=d></div><span id=news_item></span><table id=e></table>"
    "<table><tr><td id=cell></td></tr></table><select id=sel></select><textarea id=ta></textarea>"
    "<svg id=svg></svg></body></html>";

const char* const kContexts[] = {"d", "t", "cell", "e", "news_item", "sel", "ta", "svg"};

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "invariant failed: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const uint8_t ctx = data[0];
    uint32_t seed = data[1];
    const char* text = reinterpret_cast<const char*>(data + 2);
    const qsizetype len = static_cast<qsizetype>(size - 2);
    const QString fragment = (ctx & 0x80) ? QString::fromLatin1(text, len) : QString::fromUtf8(text, len);

    const QString page = QString::fromUtf8(kPage);
    auto model = Document::parse(page);
    auto mirror = Document::parse(page);
    auto next = [&seed]() {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };

    Element* target = model->getElementById(QString::fromLatin1(kContexts[(ctx & 0x7f) % 8]));
    check(target != nullptr, "context element");
    // Context: a section of the table when the choice says so.
    if ((ctx & 0x7f) % 8 == 1 && target->tBody()) target = target->tBody();
    target->setInnerHTML(fragment);

    // Table operations on every table and row of the page.
    for (int round = 0; round < 3; ++round) {
        for (Element* t : model->getElementsByTagName(QStringLiteral("table"))) {
            const int n = static_cast<int>(t->rows().size());
            switch (next() % 6) {
            case 0: {
                Element* r = t->insertRow(static_cast<int>(next() % (n + 2)) - 1);
                if (r) {
                    r->insertCell()->setInnerText(fragment.left(16));
                    r->insertCell(0)->setInnerHTML(fragment.mid(3, 40));
                }
                break;
            }
            case 1:
                t->deleteRow(static_cast<int>(next() % (n + 2)) - 1);
                break;
            case 2:
                t->moveRow(static_cast<int>(next() % (n + 1)), static_cast<int>(next() % (n + 2)) - 1);
                break;
            case 3:
                if (Element* b = t->tBody())
                    b->moveRow(static_cast<int>(next() % (n + 1)), static_cast<int>(next() % (n + 1)));
                break;
            case 4:
                if (!t->id().isEmpty()) model->sortTable(t->id());
                break;
            case 5:
                for (Element* r : t->rows()) {
                    (void)r->rowIndex();
                    (void)r->sectionRowIndex();
                    if (Element* c = r->insertCell(static_cast<int>(next() % 4) - 1))
                        c->setStyle(QStringLiteral("background-color"), fragment.left(8));
                }
                break;
            }
        }
        // Elements of the fragment: attributes, styles, scripts, events, texts.
        std::vector<Element*> all = target->getElementsByTagName(QStringLiteral("*"));
        for (size_t i = 0; i < all.size() && i < 64; ++i) {
            Element* e = all[i];
            switch (next() % 8) {
            case 0:
                e->setAttribute(QStringLiteral("title"), fragment.right(10));
                break;
            case 1:
                e->setStyle(QStringLiteral("display"), (next() & 1) ? QStringLiteral("none") : QString());
                break;
            case 2:
                (void)e->innerText();
                (void)e->offsetHeight();
                (void)e->offsetWidth();
                break;
            case 3:
                e->click();
                break;
            case 4:
                model->runScript(e, fragment);
                break;
            case 5:
                for (const Attribute& a : std::vector<Attribute>(e->attributes()))
                    if (a.name.startsWith(QLatin1String("on"))) e->fireEvent(a.name);
                break;
            case 6:
                e->setChecked(next() & 1);
                e->setDisabled(next() & 1);
                break;
            case 7:
                e->removeAttribute(QStringLiteral("style"));
                break;
            }
        }
        // As the browser sends them: orders that a later one makes moot are dropped.
        std::vector<Op> ops = model->takeOps();
        Journal::dropSupersededOrders(ops);
        const QByteArray json = Journal::toJson(ops, round + 1);
        bool ok = false;
        const std::vector<Op> back = JournalReplay::fromJson(json, &ok);
        check(ok && back.size() == ops.size(), "JSON round trip");
        check(JournalReplay::apply(*mirror, back), "replay found its nodes");
        check(mirror->serializeDocument() == model->serializeDocument(), "replay reaches the model's DOM");
        // Removed elements are freed now: stop using the context if it went.
        if (!target->isConnected()) target = model->body();
        model->collectGarbage();
        mirror->collectGarbage();
    }
    (void)model->body()->innerText();
    (void)target->outerHTML();
    return 0;
}
