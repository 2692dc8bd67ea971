#pragma once
#include "platform/net/HttpFetch.h"
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace plat {
class Platform;
}

// The download control of the live update: one asynchronous GET at a time, never served
// from a cache, reporting progress, status and completion.
class ctlDownload {
public:
    // Status codes reported with onStatus, in the order a transfer goes through them.
    enum Status { StatusConnecting = 1, StatusBegin = 4, StatusDownloading = 5, StatusEnd = 6, StatusFailed = 13 };

    explicit ctlDownload(plat::Platform& platform);

    void BeginDownload(const QString& url, const QString& key);
    void CancelDownload(const QString& key);
    qint32 MaxBytes() const { return maxBytes_; }
    QString URL() const { return url_; }

    std::function<void(qint64 bytesRead, qint64 bytesMax)> onProgress;
    std::function<void(const QByteArray& data, bool success, const QString& key)> onComplete;
    std::function<void(const QString& key, const QString& text, int code)> onStatus;

private:
    void progress(qint64 read, qint64 total);
    void finished(bool ok, const QByteArray& data, const QString& error);
    void status(const QString& text, int code);

    plat::Platform& platform_;
    std::unique_ptr<plat::HttpFetch> fetch_;
    QString url_;
    QString key_;
    qint32 maxBytes_ = 0;
    bool begun_ = false;
};
