#pragma once
#include <QString>

namespace dom {
class Element;
}

// A row of the news list as a pushed flash makes it: below the header row (hidden from the
// first row on), the oldest row dropped when the list is full; a time cell and a title cell
// whose title is a link to the article page when there is one.
class NewsRow {
public:
    static constexpr int MaxRows = 300; // the hidden header row included

    // Adds the row to the news table; address empty for a flash without an article page.
    // Throws when the table has no header row or takes no row.
    static dom::Element& add(dom::Element& table, const QString& time, const QString& title, const QString& address);
};
