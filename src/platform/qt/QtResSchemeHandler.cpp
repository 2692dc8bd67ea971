#include "platform/qt/QtResSchemeHandler.h"
#include <QBuffer>
#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace plat {

namespace {

const QByteArray kScheme("res");

} // namespace

void QtResSchemeHandler::registerScheme() {
    QWebEngineUrlScheme scheme(kScheme);
    // Path syntax: a host syntax would take "opt" of res:///opt/... for a host name.
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Not secure: a secure scheme would make the pages' http frames mixed content.
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

void QtResSchemeHandler::installOn(QWebEngineProfile* profile) {
    if (!profile->urlSchemeHandler(kScheme)) profile->installUrlSchemeHandler(kScheme, new QtResSchemeHandler(profile));
}

QString QtResSchemeHandler::resourceReference(const QUrl& url) {
    const QString path = url.path();
    const qsizetype exe = path.indexOf(QLatin1String(".exe/"), 0, Qt::CaseInsensitive);
    return exe < 0 ? path : path.mid(exe + 5);
}

void QtResSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    const std::optional<PageResource> resource = store_.find(resourceReference(job->requestUrl()));
    if (!resource) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    auto* body = new QBuffer(job);
    body->setData(resource->data);
    body->open(QIODevice::ReadOnly);
    job->reply(resource->contentType(), body);
}

} // namespace plat
