#pragma once
#include <QWebEnginePage>
#include <functional>

namespace plat {

// The web page of a QtBrowser: asks its browser about main-frame navigations and new
// windows, sends script errors to the log, and in silent mode shows no script dialogs
// either (they are logged and answered "no").
class QtBrowserPage : public QWebEnginePage {
public:
    explicit QtBrowserPage(QObject* parent) : QWebEnginePage(parent) {}

    void setSilent(bool on) { silent_ = on; }

    std::function<bool(const QUrl& url, NavigationType type)> acceptsMainFrameNavigation;
    std::function<bool()> allowsNewWindow;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    // An allowed window is a plain browser window of its own, closed and freed by the user.
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override;
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& origin, const QString& message, const QString& defaultValue,
                          QString* result) override;

private:
    bool silenced(const char* what, const QString& message) const;

    bool silent_ = false;
};

} // namespace plat
