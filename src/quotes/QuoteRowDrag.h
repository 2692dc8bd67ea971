#pragma once
#include <QPoint>

struct AppContext;
class ForwardTarget;
class MainPage;
class QuoteTable;
namespace dom {
class Element;
}

// Reordering the quote rows with the mouse: a pressed row follows the pointer, and when the
// button comes up it moves by as many places as the pointer moved row heights (a row's
// height is the heading row's), never above the headings nor below the last row. The new
// order lasts as long as the page.
class QuoteRowDrag {
public:
    QuoteRowDrag(AppContext& ctx, MainPage& page, QuoteTable& table, ForwardTarget& target)
        : ctx_(ctx), page_(page), table_(table), target_(target) {}

    // A new row's mouse down, move and up call downtomove, movetomove and uptomove.
    void bind(dom::Element& row);

    void downtomove();
    void movetomove();
    void uptomove();
    bool dragging() const { return dragging_; }

private:
    dom::Element* pressedRow() const;
    dom::Element* draggedRow() const;
    void follow(dom::Element& row, const QPoint& offset);
    void drop(dom::Element& row, int dy);

    AppContext& ctx_;
    MainPage& page_;
    QuoteTable& table_;
    ForwardTarget& target_;
    bool dragging_ = false;
    QPoint start_;      // screen pixels
    int rowId_ = 0;     // the dragged row's node id
    int rowHeight_ = 0; // the heading row's, pixels
};
