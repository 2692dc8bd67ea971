#pragma once
#include "platform/net/HttpFetch.h"
#include <QPointer>

class QNetworkAccessManager;
class QNetworkReply;

namespace plat {

// An HTTP GET through the network access manager, always from the network.
class QtHttpFetch : public HttpFetch {
public:
    explicit QtHttpFetch(QNetworkAccessManager& manager);
    ~QtHttpFetch() override;

    void get(const QString& url) override;
    // Stops the transfer; no end is reported for it.
    void cancel() override;
    bool running() const override { return !reply_.isNull(); }

private:
    void finished();

    QNetworkAccessManager& manager_;
    QPointer<QNetworkReply> reply_;
};

} // namespace plat
