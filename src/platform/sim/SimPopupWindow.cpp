#include "platform/sim/SimPopupWindow.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/sim/SimBrowser.h"
#include "platform/sim/SimConsole.h"

namespace plat {

namespace {

bool insideRow(const dom::Element& row) {
    for (const dom::Element* e = row.parentElement(); e; e = e->parentElement())
        if (e->is("tr")) return true;
    return false;
}

} // namespace

void SimPopupWindow::setGeometry(const QRect& r) {
    SimWindow::setGeometry(r);
    printNewRows();
}

void SimPopupWindow::showNoActivate() {
    SimWindow::showNoActivate();
    printNewRows();
}

void SimPopupWindow::show() {
    SimWindow::show();
    printNewRows();
}

// Rows of tables inside a row (a reminder's own layout) belong to that row's text.
void SimPopupWindow::printNewRows() {
    dom::Document* doc = browser() ? browser()->document() : nullptr;
    if (!doc || !isVisible() || geometry().height() <= 0) return;
    std::set<int> onPage;
    for (const dom::Element* row : doc->getElementsByTagName(QStringLiteral("tr"))) {
        if (insideRow(*row)) continue;
        onPage.insert(row->nodeId());
        if (printed_.count(row->nodeId())) continue;
        const QString text = row->innerText().replace(QChar(0xA0), u' ').simplified();
        console_.out(QStringLiteral("popup: ") + text);
    }
    printed_ = std::move(onPage);
}

} // namespace plat
