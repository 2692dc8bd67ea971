#include "platform/qt/QtEngine.h"
#include "platform/qt/QtResSchemeHandler.h"
#include "platform/qt/StartLog.h"
#include <QByteArray>
#include <QCoreApplication>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QWebEngineProfile>
#include <optional>
#include <vector>

namespace plat {

namespace {

// Every page in one renderer process: the program's pages are few and small, and each
// further renderer costs tens of megabytes.
const QByteArray kSwitches = "--renderer-process-limit=1";

// Enough for the vendor's pages and their pictures within one run.
constexpr int kHttpCacheBytes = 8 * 1024 * 1024;

// Environment variables set for this process's own start, given back as they were once read,
// so that the programs the user opens from here (a browser, the package installer) get the
// user's own.
struct Borrowed {
    const char* name;
    std::optional<QByteArray> given;
};
std::vector<Borrowed> borrowed;

void borrow(const char* name, const QByteArray& value) {
    borrowed.push_back({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
    qputenv(name, value);
}

void giveBack() {
    for (const Borrowed& b : borrowed) {
        if (b.given)
            qputenv(b.name, *b.given);
        else
            qunsetenv(b.name);
    }
    borrowed.clear();
}

} // namespace

void QtEngine::prepare() {
    // A few small pages draw well enough without a GPU, whereas OpenGL (Mesa's, when there is
    // none) costs the client tens of megabytes; the engine then composites in software too.
    // QT_QUICK_BACKEND, when given, still decides.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND")) {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        // Nothing draws with OpenGL then: the window system need not load it either.
        if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION")) borrow("QT_XCB_GL_INTEGRATION", "none");
    } else {
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    }
    const QByteArray given = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").trimmed();
    borrow("QTWEBENGINE_CHROMIUM_FLAGS", given.isEmpty() ? kSwitches : given + ' ' + kSwitches);
}

void QtEngine::start() {
    // The window system reads its OpenGL choice when first asked about OpenGL; this asks.
    QOpenGLContext::supportsThreadedOpenGL();
    QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
    // The engine has read its switches.
    giveBack();
    // Off the record (the default profile is): the cache is in memory, bounded here.
    profile->setHttpCacheMaximumSize(kHttpCacheBytes);
    QtResSchemeHandler::installOn(profile);
    qCInfo(lcStart) << "engine" << (profile->isOffTheRecord() ? "off the record" : "on disk");
}

} // namespace plat
