#include "platform/qt/QtBrowserPage.h"
#include "platform/qt/QtBrowserLog.h"
#include <QWebEngineView>

namespace plat {

bool QtBrowserPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (isMainFrame && acceptsMainFrameNavigation && !acceptsMainFrameNavigation(url, type)) return false;
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

QWebEnginePage* QtBrowserPage::createWindow(WebWindowType) {
    if (!allowsNewWindow || !allowsNewWindow()) return nullptr;
    auto* view = new QWebEngineView;
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->resize(1024, 720);
    view->show();
    return view->page();
}

void QtBrowserPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                             const QString& source) {
    if (level == ErrorMessageLevel) qCWarning(lcBrowser).noquote() << "script error:" << message << source << line;
}

bool QtBrowserPage::silenced(const char* what, const QString& message) const {
    if (silent_) qCInfo(lcBrowser).noquote() << "script" << what << "not shown:" << message;
    return silent_;
}

void QtBrowserPage::javaScriptAlert(const QUrl& origin, const QString& message) {
    if (!silenced("alert", message)) QWebEnginePage::javaScriptAlert(origin, message);
}

bool QtBrowserPage::javaScriptConfirm(const QUrl& origin, const QString& message) {
    return !silenced("confirm", message) && QWebEnginePage::javaScriptConfirm(origin, message);
}

bool QtBrowserPage::javaScriptPrompt(const QUrl& origin, const QString& message, const QString& defaultValue,
                                     QString* result) {
    return !silenced("prompt", message) && QWebEnginePage::javaScriptPrompt(origin, message, defaultValue, result);
}

} // namespace plat
