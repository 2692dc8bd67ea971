#pragma once
#include <QHash>
#include <QString>
#include <vector>

class MainPage;
namespace dom {
class Element;
}

// The quote center's table in the main page: the caption row, the heading row, then one
// row per currency pair with its symbol and its ask and bid prices, in alternating stripes.
class QuoteTable {
public:
    // Table rows before the first pair: the caption and the headings.
    static constexpr int FirstPairRow = 2;

    explicit QuoteTable(MainPage& page) : page_(page) {}

    // A symbol or price as its cell shows it: white space collapsed as the page shows text,
    // so that a row is always found again by the symbol it was made for, and a price
    // compares with the one shown.
    static QString displayed(const QString& text);
    // The first cell's text of a row.
    static QString symbolOf(const dom::Element& row);

    // The pair rows in table order.
    std::vector<dom::Element*> pairRows() const;
    // The row of that displayed symbol; nullptr when it has none.
    dom::Element* find(const QString& symbol);
    // A new row at the end, striped against the row before it; symbol and prices go in as
    // text. The symbol's cells get the ids symbol & "p" (ask) and symbol & "l" (bid).
    dom::Element& append(const QString& symbol, const QString& ask, const QString& bid);
    // Stripes the pair rows by their place in the table, after a move or a removal.
    void restripe() const;
    // The heading row, whose height is a row's height.
    dom::Element& headings() const;

    static dom::Element* askCell(const dom::Element& row);
    static dom::Element* bidCell(const dom::Element& row);

private:
    dom::Element& table() const;
    dom::Element* remembered(const QString& symbol) const;

    MainPage& page_;
    // Where each symbol's row was last found, by node id: checked before it is used, since
    // rows move, go, and come with a new page.
    QHash<QString, int> rowIds_;
};
