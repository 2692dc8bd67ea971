#include "update/ctlDownload.h"
#include "platform/Platform.h"
#include <limits>

ctlDownload::ctlDownload(plat::Platform& platform) : platform_(platform) {}

void ctlDownload::BeginDownload(const QString& url, const QString& key) {
    if (!url.isEmpty()) url_ = url;
    key_ = key;
    begun_ = false;
    fetch_ = platform_.createHttpFetch();
    fetch_->onProgress = [this](qint64 read, qint64 total) { progress(read, total); };
    fetch_->onFinished = [this](bool ok, const QByteArray& data, const QString& error) { finished(ok, data, error); };
    status(url_, StatusConnecting);
    fetch_->get(url_);
}

void ctlDownload::CancelDownload(const QString& key) {
    if (!fetch_ || key != key_) return;
    fetch_->cancel();
    fetch_.reset();
}

void ctlDownload::progress(qint64 read, qint64 total) {
    if (!begun_) {
        begun_ = true;
        status(url_, StatusBegin);
    }
    // The expected size follows every report; an unknown size reads as 0.
    const qint64 max = total < 0 ? 0 : total;
    maxBytes_ = static_cast<qint32>(std::min<qint64>(max, std::numeric_limits<qint32>::max()));
    status(url_, StatusDownloading);
    if (onProgress) onProgress(read, maxBytes_);
}

void ctlDownload::finished(bool ok, const QByteArray& data, const QString& error) {
    if (ok) {
        status(url_, StatusEnd);
        if (onProgress) onProgress(maxBytes_, maxBytes_);
    } else {
        platform_.log().write("ctlDownload", QStringLiteral("%1: %2").arg(url_, error));
        status(error, StatusFailed);
    }
    if (onComplete) onComplete(ok ? data : QByteArray(), ok, key_);
}

void ctlDownload::status(const QString& text, int code) {
    if (onStatus) onStatus(key_, text, code);
}
