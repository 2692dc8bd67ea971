#include "platform/qt/QtBrowserBridgeScript.h"
#include "platform/dom/Journal.h"
#include <QFile>

// Resources of a static library are registered only when asked for.
static void registerBrowserScripts() { Q_INIT_RESOURCE(scripts); }

namespace plat {

namespace {

QString resourceText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("the embedded script %s is missing", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString QtBrowserBridgeScript::objectName() { return QStringLiteral("zepBridge"); }

QWebEngineScript QtBrowserBridgeScript::script() {
    QWebEngineScript s;
    s.setName(QStringLiteral("zep-bridge"));
    s.setSourceCode(source());
    s.setWorldId(QWebEngineScript::ApplicationWorld);
    // Before the page's own scripts, so that nothing the page does after its DOM is ready
    // goes unseen; the DOM work itself waits for DOMContentLoaded.
    s.setInjectionPoint(QWebEngineScript::DocumentCreation);
    s.setRunsOnSubFrames(false);
    return s;
}

QString QtBrowserBridgeScript::source() {
    registerBrowserScripts();
    return resourceText(QStringLiteral(":/qtwebchannel/qwebchannel.js")) + u'\n' +
           QStringLiteral("window.__zepJournalOps = ") + QString::fromLatin1(dom::Op::kindTableJson()) +
           QStringLiteral(";\n") + resourceText(QStringLiteral(":/browser/journal-applier.js")) + u'\n' +
           resourceText(QStringLiteral(":/browser/page-bridge.js"));
}

} // namespace plat
