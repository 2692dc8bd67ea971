#include "platform/sim/SimHttpFetch.h"
#include "platform/sim/SimNetwork.h"
#include <QUrl>
#include <algorithm>

namespace plat {

SimHttpFetch::SimHttpFetch(SimNetwork& network) : network_(network), events_(network.loop()) {}

void SimHttpFetch::get(const QString& url) {
    events_.dropPending();
    running_ = true;
    if (network_.isUnreachable(QUrl(url).host())) {
        events_.post([this] { finish(false, {}, "Host unreachable"); });
        return;
    }
    const SimHttpResponse r = network_.httpGet(url);
    if (r.status >= 400) {
        events_.post([this, status = r.status] { finish(false, {}, QStringLiteral("HTTP %1").arg(status)); });
        return;
    }
    deliver(r.body, r.lengthKnown ? r.body.size() : -1, 0);
}

void SimHttpFetch::deliver(const QByteArray& body, qint64 total, qsizetype offset) {
    events_.post([=, this] {
        const qsizetype end = std::min<qsizetype>(offset + PieceBytes, body.size());
        if (end < body.size()) {
            // Queued before the progress handler runs, so that a cancel there drops it.
            deliver(body, total, end);
            if (auto cb = onProgress) cb(end, total);
            return;
        }
        if (auto cb = onProgress) cb(end, total);
        finish(true, body, {});
    });
}

void SimHttpFetch::cancel() {
    events_.dropPending();
    running_ = false;
}

void SimHttpFetch::finish(bool ok, const QByteArray& data, const QString& error) {
    running_ = false;
    if (auto cb = onFinished) cb(ok, data, error);
}

} // namespace plat
