#pragma once

class MainPage;

// The quote center's panel on the right of the main page: expanded it shows the quote
// table, collapsed only a narrow strip, and the left content area takes the room.
class QuotePanel {
public:
    explicit QuotePanel(MainPage& page) : page_(page) {}

    // The page's collapse/expand link.
    void control_quota();
    void close_quota();
    void open_quota();
    bool collapsed() const { return collapsed_; }

private:
    void show(bool expanded);

    MainPage& page_;
    bool collapsed_ = false; // the page starts expanded
};
