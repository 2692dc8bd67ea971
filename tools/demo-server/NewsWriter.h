#pragma once
#include "NewsFlash.h"
#include "QuoteBoard.h"
#include <QHash>
#include <QRandomGenerator>

// Writes news flashes from story templates filled with random figures and with the
// current prices of the quote board, so headlines agree with the quote center.
class NewsWriter {
public:
    explicit NewsWriter(quint32 seed) : random_(seed) {}

    NewsFlash write(qint32 id, const QDateTime& at, const QList<QuoteBoard::Quote>& prices);

private:
    using Values = QHash<QString, QString>;
    Values marketValues(const QList<QuoteBoard::Quote>& prices, bool metal);
    Values dataValues(const QDateTime& at);
    Values bankValues();
    QString percent(int minHundredths, int maxHundredths);

    QRandomGenerator random_;
};
