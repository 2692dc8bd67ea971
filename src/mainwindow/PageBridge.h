#pragma once
#include <QString>
#include <functional>
#include <vector>

struct AppContext;
class ForwardTarget;
class MainPage;
namespace dom {
class Document;
}

// Wires the main page to the window: every button, tab and link of the page calls a
// procedure of the window by name through a forwarder, made anew for each top-level
// document. Also decides which links leave the page and which new windows may open.
class PageBridge {
public:
    struct Binding {
        const char* id;
        const char* event;
        const char* procedure;
    };
    // The page's elements, their events and the procedures they call, in binding order.
    static const std::vector<Binding>& bindings();

    // firstPage runs once, when the first top-level document has completed.
    PageBridge(AppContext& ctx, MainPage& page, ForwardTarget& target, std::function<void()> firstPage)
        : ctx_(ctx), page_(page), target_(target), firstPage_(std::move(firstPage)) {}

    void DocumentComplete(bool topLevel);
    // Only links inside the page's frames may open windows.
    void NewWindow2(bool& cancel) const;
    // A click anywhere in the page: a web link opens in the user's browser.
    bool WebDoc_onclick();
    // Until the page is wired, or while the browser loads.
    bool Busy() const;

private:
    void bind(dom::Document& doc);

    AppContext& ctx_;
    MainPage& page_;
    ForwardTarget& target_;
    std::function<void()> firstPage_;
    bool setUpDone_ = false;
    bool pageReady_ = false;
};
