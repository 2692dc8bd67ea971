#include "Loopback.h"
#include "wire/CalendarDayRecord.h"
#include "wire/ControlRecord.h"
#include "wire/MessageId.h"
#include "wire/NewsFlashRecord.h"
#include "wire/PushLogonRecord.h"
#include "wire/QuoteBatchRecord.h"
#include "wire/RecordReader.h"
#include <QFile>
#include <QHash>
#include <QNetworkDatagram>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QUdpSocket>
#include <gtest/gtest.h>

namespace demotest {

namespace {

// The lengths of the records the server sends; 0 for an id it never sends.
int recordLength(int id) {
    const int control = int(push::ControlRecord::heartbeatProbe().size());
    static const QHash<int, int> lengths{{push::NewsFlash, push::NewsFlashRecord::Length},
                                         {push::CalendarDay, push::CalendarDayRecord::Length},
                                         {push::QuoteBatch, push::QuoteBatchRecord::Length},
                                         {push::LoggedInElsewhere, control},
                                         {push::Heartbeat, control}};
    return lengths.value(id);
}

} // namespace

TestServer::TestServer() {
    QFile::copy(QStringLiteral(ZEP_SOURCE_DIR "/tools/demo-server/demo-data/accounts.txt"),
                dir.filePath(QStringLiteral("accounts.txt")));
    options.loginPort = options.identityPort = options.pushPort = options.httpPort = 0;
    options.newsIntervalMs = options.quoteIntervalMs = options.heartbeatMs = options.resultCheckMs = 3600000;
    options.seed = 7;
    options.dataDir = dir.path();
    // A Wednesday morning: past, present and future days in the same week.
    clock.pin(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    log.listener = [this](const QString& line) { lines.append(line); };
}

bool TestServer::start() {
    server = std::make_unique<DemoServer>(options, log, clock);
    return server->start(&error);
}

bool TestServer::logged(const QString& fragment) const { return !lines.filter(fragment).isEmpty(); }

QString TestServer::url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(server->httpPort()).arg(path);
}

PushTestClient::PushTestClient(quint16 port) {
    QObject::connect(&socket_, &QTcpSocket::readyRead, [this] { readAll(); });
    socket_.connectToHost(QHostAddress::LocalHost, port);
    waitUntil([this] { return socket_.state() == QAbstractSocket::ConnectedState; });
}

void PushTestClient::send(const QByteArray& bytes) {
    socket_.write(bytes);
    socket_.flush();
}

void PushTestClient::logOn(const QString& account, const QString& password, qint32 highestNewsId) {
    send(push::PushLogonRecord{account, password, highestNewsId}.build());
}

bool PushTestClient::logOnAndWait(const QString& account, const QString& password, qint32 highestNewsId) {
    logOn(account, password, highestNewsId);
    return waitFor(push::QuoteBatch);
}

void PushTestClient::readAll() {
    pending_ += socket_.readAll();
    while (pending_.size() >= 2) {
        const int length = recordLength(push::RecordReader::idOf(pending_));
        if (length == 0) {
            ADD_FAILURE() << "unexpected record id " << push::RecordReader::idOf(pending_);
            pending_.clear();
            return;
        }
        if (pending_.size() < length) return;
        records.append(pending_.left(length));
        pending_.remove(0, length);
    }
}

int PushTestClient::count(int id) const { return int(recordsOf(id).size()); }

QList<QByteArray> PushTestClient::recordsOf(int id) const {
    QList<QByteArray> found;
    for (const QByteArray& r : records) {
        if (push::RecordReader::idOf(r) == id) found.append(r);
    }
    return found;
}

bool PushTestClient::waitFor(int id, int atLeast) {
    return waitUntil([&] { return count(id) >= atLeast; });
}

bool PushTestClient::waitClosed() {
    return waitUntil([this] { return socket_.state() == QAbstractSocket::UnconnectedState; });
}

std::optional<QByteArray> exchange(quint16 port, const QByteArray& datagram) {
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    socket.writeDatagram(datagram, QHostAddress::LocalHost, port);
    if (!waitUntil([&] { return socket.hasPendingDatagrams(); })) return std::nullopt;
    return socket.receiveDatagram().data();
}

HttpReply get(QNetworkAccessManager& manager, const QString& url) {
    manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    waitUntil([&] { return reply->isFinished(); });
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
            reply->header(QNetworkRequest::ContentTypeHeader).toByteArray(), reply->readAll()};
}

} // namespace demotest
