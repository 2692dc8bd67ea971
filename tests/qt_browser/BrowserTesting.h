#pragma once
#include "dom/DomTestUtil.h"
#include "platform/qt/QtBrowser.h"
#include "platform/qt/QtWindow.h"
#include "qt_desktop/DesktopTesting.h"
#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace browsertest {

using domtest::S;
// A handler that counts its calls and runs an action.
using Handler = domtest::CountingHandler;

// The page base as the program forms it: "res://" + directory + executable name + ".exe/".
inline QString pageBase() {
    return QStringLiteral("res://") + QCoreApplication::applicationDirPath() + QStringLiteral("/Zavez_ZEP.exe/");
}

// Runs script in the page's own world; the result, or an invalid value when none came.
inline QVariant runJs(QWebEnginePage* page, const QString& script) {
    QVariant result;
    bool done = false;
    page->runJavaScript(script, [&](const QVariant& v) {
        result = v;
        done = true;
    });
    waitUntil([&] { return done; }, 10000);
    return result;
}

// The centre of the element with that id in screen pixels; of the first match of a CSS
// selector when it is not an id.
inline QPoint screenCentre(QWebEngineView* view, const QString& selector) {
    const QVariant v = runJs(
        view->page(), QStringLiteral("(function (s) { var e = document.getElementById(s) || document.querySelector(s);"
                                     " var r = e.getBoundingClientRect(); return [Math.round(r.left + r.width / 2), "
                                     "Math.round(r.top + r.height / 2)]; })(%1)")
                          .arg(QString::fromUtf8(QJsonDocument(QJsonArray{selector}).toJson(QJsonDocument::Compact))
                                   .mid(1)
                                   .chopped(1)));
    const QVariantList xy = v.toList();
    return xy.size() == 2 ? view->mapToGlobal(QPoint(xy[0].toInt(), xy[1].toInt())) : QPoint();
}

// The user's click there, through the X server.
inline void clickAt(const QPoint& p, int button = 1) {
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()), QStringLiteral("click"),
             QString::number(button)});
}

// What the browser control writes to its log, warnings and worse; printed as they come.
class BrowserLog {
public:
    BrowserLog();
    ~BrowserLog();
    static QStringList& lines();

private:
    QtMessageHandler previous_;
};

// A real window with a browser showing one of the embedded pages.
class PageFixture : public testing::Test {
protected:
    // Opens page (an embedded page's name, or an address) in a window of that client size
    // and waits for its DocumentComplete; meanwhile runs beforeLoad right after navigate().
    void open(const QString& page, const QSize& size, plat::WindowKind kind = plat::WindowKind::Main,
              const std::function<void()>& beforeLoad = {});
    void TearDown() override;

    QWebEnginePage* page() const { return browser->view()->page(); }
    dom::Document& doc() const { return *browser->document(); }
    dom::Element* byId(const char* id) const { return doc().getElementById(QString::fromLatin1(id)); }
    // The real page's document.documentElement.outerHTML.
    QString pageHtml() const { return runJs(page(), QStringLiteral("document.documentElement.outerHTML")).toString(); }
    // Waits until the real page shows what the model holds.
    ::testing::AssertionResult pageMatchesModel() const;
    QPoint screenCentre(const QString& selector) const { return browsertest::screenCentre(browser->view(), selector); }
    void saveScreenshot(const QString& name) const;

    std::unique_ptr<plat::QtWindow> window;
    plat::QtBrowser* browser = nullptr;
    std::unique_ptr<BrowserLog> log;
    QStringList completed; // DocumentComplete: "url top" / "url frame"
};

} // namespace browsertest
