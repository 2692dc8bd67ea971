#include "QuoteBoard.h"
#include "wire/QuoteText.h"

namespace {

struct Pair {
    const char* symbol;
    int digits;
    qint64 opening;
    qint64 spread;
    int stepPoints;
};

// Opening levels and spreads of a calm trading day.
constexpr Pair kPairs[] = {
    {"EURUSD", 5, 108652, 12, 6}, {"GBPUSD", 5, 127318, 18, 8},  {"USDJPY", 3, 151426, 15, 7},
    {"AUDUSD", 5, 65874, 14, 5},  {"USDCAD", 5, 136205, 20, 6},  {"USDCHF", 5, 90418, 18, 6},
    {"NZDUSD", 5, 59932, 20, 5},  {"EURJPY", 3, 164532, 25, 9},  {"GBPJPY", 3, 192795, 35, 12},
    {"EURGBP", 5, 85341, 15, 4},  {"XAUUSD", 2, 233845, 50, 40}, {"XAGUSD", 3, 27412, 30, 12},
};

} // namespace

QuoteBoard::QuoteBoard(quint32 seed) : random_(seed) {
    for (const Pair& p : kPairs) {
        quotes_.append({QString::fromLatin1(p.symbol), p.digits, p.opening, p.spread, p.opening, p.stepPoints});
    }
}

void QuoteBoard::step() {
    for (Quote& q : quotes_) {
        const qint64 move = random_.bounded(-q.stepPoints, q.stepPoints + 1);
        // A gentle pull back towards the opening keeps a long demo from drifting away.
        const qint64 pull = (q.opening - q.bid) / 200;
        q.bid += move + pull;
    }
}

QString QuoteBoard::priceText(qint64 points, int digits) {
    qint64 scale = 1;
    for (int i = 0; i < digits; ++i) scale *= 10;
    const QString whole = QString::number(points / scale);
    if (digits == 0) return whole;
    return whole + QLatin1Char('.') + QStringLiteral("%1").arg(points % scale, digits, 10, QLatin1Char('0'));
}

QString QuoteBoard::batchText() const {
    QList<push::QuoteText::Item> items;
    for (const Quote& q : quotes_) {
        items.append({q.symbol, priceText(q.bid, q.digits), priceText(q.bid + q.spread, q.digits), q.digits});
    }
    return push::QuoteText::compose(items);
}
