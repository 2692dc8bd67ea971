#pragma once
#include <QList>
#include <QString>

namespace push {

// The quote list text of a quote batch: items separated by "|", each of the fields
// symbol#bid#ask#digits (further fields ignored).
namespace QuoteText {

struct Quote {
    QString symbol;
    QString bid;
    QString ask;
    friend bool operator==(const Quote&, const Quote&) = default;
};

// The quotes in item order. When the second-to-last character is "|" the last two are
// dropped first; items with fewer than four fields are skipped. With digits of 1 or more,
// bid and ask are cut (not rounded) that many characters after their decimal point; a price
// without a point is kept whole.
QList<Quote> parse(const QString& text);

struct Item {
    QString symbol;
    QString bid;
    QString ask;
    int digits = 0;
};
// The text of a batch as the server writes it.
QString compose(const QList<Item>& items);

} // namespace QuoteText
} // namespace push
