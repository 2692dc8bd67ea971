#pragma once
#include <QString>

namespace dom {
class Document;
class Element;
} // namespace dom
namespace plat {
class Browser;
}

// The main page as the window's procedures reach it: the current document of the browser
// and its elements by id. A missing browser, document or element throws, so that the
// caller's guard logs the failing step and the window goes on with the next one.
class MainPage {
public:
    explicit MainPage(plat::Browser* browser) : browser_(browser) {}

    plat::Browser* get() const { return browser_; }
    plat::Browser& browser() const;
    bool loaded() const;
    dom::Document& document() const;
    dom::Element& element(const QString& id) const;

    // CSS display: shown ("") or hidden ("none").
    void setShown(const QString& id, bool shown) const;
    // The body's client height, as the page last reported it.
    int clientHeight() const;
    // The element's CSS height: the body's client height less margin, in px.
    void fitHeight(const QString& id, int margin) const;

private:
    plat::Browser* browser_;
};
