#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

namespace plat {

// An asynchronous HTTP GET with progress, never served from a cache.
class HttpFetch {
public:
    virtual ~HttpFetch() = default;
    virtual void get(const QString& url) = 0;
    virtual void cancel() = 0;
    virtual bool running() const = 0;

    // bytesTotal is -1 while the size is unknown.
    std::function<void(qint64 bytesRead, qint64 bytesTotal)> onProgress;
    // ok is false for transport errors and HTTP statuses of 400 and above.
    std::function<void(bool ok, const QByteArray& data, const QString& error)> onFinished;
};

} // namespace plat
