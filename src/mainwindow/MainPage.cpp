#include "mainwindow/MainPage.h"
#include "platform/browser/Browser.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include <stdexcept>

plat::Browser& MainPage::browser() const {
    if (!browser_) throw std::runtime_error("the main window has no browser");
    return *browser_;
}

bool MainPage::loaded() const { return browser_ && browser_->document(); }

dom::Document& MainPage::document() const {
    dom::Document* doc = browser().document();
    if (!doc) throw std::runtime_error("the main page has not loaded");
    return *doc;
}

dom::Element& MainPage::element(const QString& id) const {
    dom::Element* e = document().getElementById(id);
    if (!e) throw std::runtime_error(("the main page has no element " + id).toStdString());
    return *e;
}

void MainPage::setShown(const QString& id, bool shown) const {
    element(id).setStyle(QStringLiteral("display"), shown ? QString() : QStringLiteral("none"));
}

int MainPage::clientHeight() const {
    const dom::Element* body = document().body();
    if (!body) throw std::runtime_error("the main page has no body");
    return body->clientHeight();
}

void MainPage::fitHeight(const QString& id, int margin) const {
    element(id).setStyle(QStringLiteral("height"), QString::number(clientHeight() - margin) + QStringLiteral("px"));
}
