#include "quotes/QuotePanel.h"
#include "mainwindow/MainPage.h"
#include "platform/dom/Element.h"
#include <stdexcept>

void QuotePanel::control_quota() {
    show(collapsed_);
    collapsed_ = !collapsed_;
}

void QuotePanel::close_quota() { show(false); }

void QuotePanel::open_quota() { show(true); }

void QuotePanel::show(bool expanded) {
    page_.element(QStringLiteral("contentarea"))
        .setStyle(QStringLiteral("margin-right"), expanded ? QStringLiteral("317px") : QStringLiteral("58px"));
    dom::Element& panel = page_.element(QStringLiteral("quotacenter"));
    panel.setClassName(expanded ? QStringLiteral("right_main") : QStringLiteral("right_main right_col"));
    const std::vector<dom::Element*> boxes = panel.getElementsByTagName(QStringLiteral("div"));
    if (boxes.empty()) throw std::runtime_error("the quote panel has no table area");
    boxes.front()->setStyle(QStringLiteral("display"), expanded ? QString() : QStringLiteral("none"));
    page_.setShown(QStringLiteral("quotascroll"), !expanded);
}
