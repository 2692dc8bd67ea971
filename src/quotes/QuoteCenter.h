#pragma once
#include "quotes/CurrencyPairs.h"
#include "quotes/QuotePanel.h"
#include "quotes/QuoteRowDrag.h"
#include "quotes/QuoteTable.h"
#include <QString>
#include <vector>

struct AppContext;
class ForwardTarget;
class MainPage;
namespace dom {
class Element;
}

// The quote center of the main window: one row per shown currency pair, in the order the
// pairs first came (or the user dragged them), with the latest ask and bid; a price that
// rose shows red, one that fell green, one unchanged black. Prices are compared as texts.
class QuoteCenter {
public:
    QuoteCenter(AppContext& ctx, MainPage& page, ForwardTarget& target);

    // One quote of a pushed batch.
    void quot_center(const QString& symbol, const QString& bid, const QString& ask);
    // The shown pairs in the configuration have changed (the settings): a pair switched
    // off loses its row at once, one switched on gets its row at the end with its latest
    // prices (or with its next quote when none came yet).
    void refreshShownPairs();

    QuotePanel& panel() { return panel_; }
    QuoteRowDrag& drag() { return drag_; }

private:
    struct Held {
        QString symbol;
        QString ask;
        QString bid;
    };

    void update_quota(dom::Element& row, const QString& ask, const QString& bid);
    void addRow(const QString& symbol, const QString& ask, const QString& bid);
    void hold(const QString& symbol, const QString& ask, const QString& bid);
    void hideSwitchedOff();
    void showSwitchedOn();

    QuoteTable table_;
    CurrencyPairs pairs_;
    QuotePanel panel_;
    QuoteRowDrag drag_;
    // The latest prices of pairs without a row, in the order they were held.
    std::vector<Held> held_;
};
