#include "app/PageDump.h"
#include "core/AppContext.h"
#include "base/AtomicFile.h"
#include "mainwindow/frmFXInfo.h"
#include "notify/frmPopUp.h"
#include "platform/Platform.h"
#include "platform/browser/Browser.h"
#include "platform/dom/Document.h"
#include <QDir>

void PageDump::write() const {
    if (ctx_.DumpPagesDir.isEmpty()) return;
    QDir().mkpath(ctx_.DumpPagesDir);
    writePage(ctx_.fxInfo ? ctx_.fxInfo->WebBrowser() : nullptr, QStringLiteral("ruzezaro.htm"));
    writePage(ctx_.popup ? ctx_.popup->WebBrowser() : nullptr, QStringLiteral("iPopup.htm"));
}

void PageDump::writePage(plat::Browser* browser, const QString& fileName) const {
    const dom::Document* doc = browser ? browser->document() : nullptr;
    if (!doc) return;
    const QString path = QDir(ctx_.DumpPagesDir).filePath(fileName);
    QString error;
    if (!atomicfile::write(path, doc->serializeDocument().toUtf8(), error))
        ctx_.platform.log().write(QStringLiteral("PageDump"), path + QStringLiteral(": ") + error);
}
