// The page's reports as the model keeps them: what changed is told, a size the page does not
// report again stays as last reported, and a first read asks for the element to be watched.
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "platform/qt/QtBrowserMetrics.h"
#include <QJsonDocument>
#include <gtest/gtest.h>

namespace {

QJsonObject report(const char* json) { return QJsonDocument::fromJson(json).object(); }

} // namespace

TEST(QtBrowserMetrics, KeepsTheLastReportedSizesAndTellsWhatChanged) {
    auto doc = dom::Document::parse(QStringLiteral("<div id=a style='width:50px'></div><div id=b></div>"));
    std::vector<int> asked;
    auto metrics =
        std::make_shared<plat::QtBrowserMetrics>([&](const dom::Element& e) { asked.push_back(e.nodeId()); });
    doc->setMetrics(metrics);
    dom::Element* a = doc->getElementById(QStringLiteral("a"));
    const int id = a->nodeId();
    metrics->watch(id);

    EXPECT_EQ(a->offsetWidth(), 50) << "not reported yet: the plain estimate";
    const QByteArray first = "{\"client\":[900,640],\"sizes\":[[" + QByteArray::number(id) + ",123,45]]}";
    EXPECT_TRUE(metrics->take(report(first.constData())));
    EXPECT_FALSE(metrics->take(report(first.constData()))) << "the same sizes again";
    EXPECT_EQ(a->offsetWidth(), 123);
    EXPECT_EQ(a->offsetHeight(), 45);
    EXPECT_EQ(doc->body()->clientHeight(), 640);

    // The element is gone from the page's reports (removed there): its last size stays.
    EXPECT_TRUE(metrics->take(report("{\"client\":[900,700],\"sizes\":[]}")));
    EXPECT_EQ(a->offsetHeight(), 45);
    EXPECT_EQ(doc->body()->clientHeight(), 700);
    EXPECT_TRUE(asked.empty()) << "watched elements and the viewport are reported unasked";

    dom::Element* b = doc->getElementById(QStringLiteral("b"));
    b->offsetHeight();
    b->offsetWidth();
    EXPECT_EQ(asked, std::vector<int>{b->nodeId()}) << "asked once";
    EXPECT_TRUE(metrics->watching(b->nodeId()));
}
