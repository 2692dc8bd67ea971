#include "mainwindow/PageBridge.h"
#include "core/AppContext.h"
#include "core/clsForward.h"
#include "core/FileHelpers.h"
#include "mainwindow/MainPage.h"
#include "platform/Platform.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include <memory>

namespace {

std::shared_ptr<clsForward> forwarder(ForwardTarget& target, const char* procedure) {
    auto f = std::make_shared<clsForward>();
    f->Set_Destination(&target, QString::fromLatin1(procedure));
    return f;
}

} // namespace

const std::vector<PageBridge::Binding>& PageBridge::bindings() {
    static const std::vector<Binding> table = {
        {"Achange", "onclick", "retrieve_page"},
        {"quit", "onclick", "quituser"},
        {"news_item", "onclick", "display_news"},
        {"set_coloum", "onmousedown", "pop_set"},
        {"load_zep", "onmousedown", "pop_load"},
        {"registe_zep", "onmousedown", "pop_registry"},
        {"nickname", "onmousedown", "frm_loadinfo"},
        {"can_move", "onmousedown", "WindowMove"},
        {"zep_min", "onclick", "zep_min"},
        {"zep_max", "onclick", "zep_max_frm"},
        {"iqingxu", "onclick", "btn_vote"},
        {"feedback", "onclick", "feedback_idea"},
        {"zep_close", "onclick", "zep_Close"},
        {"zep_about", "onclick", "zep_about"},
        {"iCLRefer", "onclick", "ClickCLRefer"},
        {"iNewsReport", "onclick", "ClickNewsReport"},
        {"prof_tactics", "onclick", "everyday_tactics"},
        {"iAll", "onclick", "ClickAll"},
        {"quota_control", "onclick", "control_quota"},
        {"iFXCalendar", "onclick", "Calendar"},
        {"week1", "onclick", "onweek1"},
        {"week2", "onclick", "onweek2"},
        {"week3", "onclick", "onweek3"},
        {"week4", "onclick", "onweek4"},
        {"week5", "onclick", "onweek5"},
        {"iTBody", "onclick", "TBodyClick"},
    };
    return table;
}

void PageBridge::DocumentComplete(bool topLevel) {
    // A frame finishing its own page changes nothing.
    if (!topLevel) return;
    if (!setUpDone_) {
        setUpDone_ = true;
        firstPage_();
    }
    bind(page_.document());
    pageReady_ = true;
}

void PageBridge::bind(dom::Document& doc) {
    for (const Binding& b : bindings()) {
        dom::Element* e = doc.getElementById(QString::fromLatin1(b.id));
        if (!e) {
            ctx_.platform.log().write(QStringLiteral("frmFXInfo"),
                                      QStringLiteral("the page has no element %1 for %2")
                                          .arg(QString::fromLatin1(b.id), QString::fromLatin1(b.procedure)));
            continue;
        }
        e->setHandler(QString::fromLatin1(b.event), forwarder(target_, b.procedure));
    }
    doc.setHandler(QStringLiteral("onclick"), forwarder(target_, "WebDoc_onclick"));
}

void PageBridge::NewWindow2(bool& cancel) const {
    cancel = true;
    const dom::Element* active = page_.document().activeElement();
    cancel = !active || active->tagName() != QLatin1String("IFRAME");
}

bool PageBridge::WebDoc_onclick() {
    dom::Document& doc = page_.document();
    dom::Element* active = doc.activeElement();
    if (!active) return false;
    if (active->tagName() == QLatin1String("A") && active->href().contains(QLatin1String("http://"))) {
        files::ShellOpen(ctx_, active->href());
        if (dom::Element* news = doc.getElementById(QStringLiteral("iAll"))) doc.setActiveElement(news);
    }
    return true;
}

bool PageBridge::Busy() const { return !pageReady_ || page_.browser().busy(); }
