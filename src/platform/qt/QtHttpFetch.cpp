#include "platform/qt/QtHttpFetch.h"
#include "platform/qt/StartLog.h"
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace plat {

QtHttpFetch::QtHttpFetch(QNetworkAccessManager& manager) : manager_(manager) {}

QtHttpFetch::~QtHttpFetch() { cancel(); }

void QtHttpFetch::get(const QString& url) {
    cancel();
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    // Proxies on the way must not answer from their caches either.
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    qCInfo(lcStart).noquote() << "fetch" << url;
    reply_ = manager_.get(request);
    QObject::connect(reply_, &QNetworkReply::downloadProgress, reply_, [this](qint64 received, qint64 total) {
        if (auto cb = onProgress) cb(received, total < 0 ? -1 : total);
    });
    QObject::connect(reply_, &QNetworkReply::finished, reply_, [this] { finished(); });
}

void QtHttpFetch::cancel() {
    if (!reply_) return;
    reply_->disconnect();
    reply_->abort();
    reply_->deleteLater();
    reply_ = nullptr;
}

void QtHttpFetch::finished() {
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QByteArray data = reply->readAll();
    qCInfo(lcStart).noquote() << "fetched" << reply->url().toString();
    QString error;
    if (status >= 400)
        error = QStringLiteral("HTTP %1 %2")
                    .arg(status)
                    .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString());
    else if (reply->error() != QNetworkReply::NoError)
        error = reply->errorString();
    if (auto cb = onFinished) cb(error.isEmpty(), error.isEmpty() ? data : QByteArray(), error);
}

} // namespace plat
