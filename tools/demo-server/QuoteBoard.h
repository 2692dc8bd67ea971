#pragma once
#include <QList>
#include <QRandomGenerator>
#include <QString>

// The prices of the quoted pairs, moving as a random walk held near their opening level.
// Prices are kept in whole points (the last quoted decimal) so that text never shows
// floating-point noise.
class QuoteBoard {
public:
    struct Quote {
        QString symbol;
        int digits;
        qint64 bid;     // points
        qint64 spread;  // points
        qint64 opening; // points, the level the walk is pulled back to
        int stepPoints; // largest move in one step
    };

    explicit QuoteBoard(quint32 seed);

    // Moves every price one step.
    void step();
    const QList<Quote>& quotes() const { return quotes_; }
    // A price in points as text with the pair's decimals.
    static QString priceText(qint64 points, int digits);
    // The quote list text of one batch with every pair.
    QString batchText() const;

private:
    QList<Quote> quotes_;
    QRandomGenerator random_;
};
