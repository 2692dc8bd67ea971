#include "wire/QuoteText.h"
#include "base/VbText.h"
#include <array>

namespace push::QuoteText {

namespace {

QString cutAfterPoint(QStringView price, int digits) {
    const qsizetype point = price.indexOf(u'.');
    if (digits >= 1 && point >= 0) price = price.left(point + 1 + digits);
    return price.toString();
}

// The first four fields of an item; false when it has fewer.
bool fields(QStringView item, std::array<QStringView, 4>& out) {
    size_t n = 0;
    for (const QStringView field : item.tokenize(u'#')) {
        out[n++] = field;
        if (n == out.size()) return true;
    }
    return false;
}

} // namespace

QList<Quote> parse(const QString& text) {
    QStringView list(text);
    if (list.size() >= 2 && list[list.size() - 2] == u'|') list.chop(2);
    QList<Quote> quotes;
    quotes.reserve(list.count(u'|') + 1);
    std::array<QStringView, 4> f;
    for (const QStringView item : list.tokenize(u'|')) {
        if (!fields(item, f)) continue;
        const int digits = vb::CInt(vb::Val(QString::fromRawData(f[3].data(), f[3].size())));
        quotes.append({f[0].toString(), cutAfterPoint(f[1], digits), cutAfterPoint(f[2], digits)});
    }
    return quotes;
}

QString compose(const QList<Item>& items) {
    QStringList parts;
    for (const Item& i : items) parts.append(QStringList{i.symbol, i.bid, i.ask, QString::number(i.digits)}.join(u'#'));
    return parts.join(u'|');
}

} // namespace push::QuoteText
