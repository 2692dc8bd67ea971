#include "PushServer.h"
#include "DemoLog.h"
#include <QTcpSocket>

PushServer::PushServer(const PushSession::Settings& settings, DemoLog& log, const AccountBook& accounts)
    : settings_(settings), log_(log), accounts_(accounts) {
    connect(&server_, &QTcpServer::newConnection, this, &PushServer::accept);
}

bool PushServer::listen(const QHostAddress& address, quint16 port, QString* error) {
    address_ = address;
    if (server_.listen(address, port)) return true;
    *error = QStringLiteral("push: cannot listen on TCP %1:%2: %3")
                 .arg(address.toString())
                 .arg(port)
                 .arg(server_.errorString());
    return false;
}

void PushServer::accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        // Each connection gets its own stream of choices, reproducible under a fixed seed.
        PushSession::Settings s = settings_;
        s.seed = settings_.seed + ++accepted_;
        auto* session = new PushSession(socket, s, log_, accounts_);
        session->setParent(this);
        log_.line(QStringLiteral("push: %1 connected").arg(session->peer()));
        session->onLogon = [this](PushSession& ps, qint32 highest) {
            if (onLogon) onLogon(ps, highest);
        };
        session->onEnd = [this](PushSession& ps) {
            sessions_.removeOne(&ps);
            ps.deleteLater();
        };
        sessions_.append(session);
    }
}

void PushServer::forEachSession(const std::function<void(PushSession&)>& fn) {
    for (PushSession* s : QList<PushSession*>(sessions_)) {
        if (s->isLoggedOn()) fn(*s);
    }
}

int PushServer::kick(const QString& account) {
    int told = 0;
    forEachSession([&](PushSession& s) {
        if (account.isEmpty() || s.account().compare(account, Qt::CaseInsensitive) == 0) {
            s.kick();
            ++told;
        }
    });
    return told;
}

void PushServer::stopListening() {
    // A port the system chose must be the same when the listener comes back.
    port_ = server_.serverPort();
    server_.close();
    for (PushSession* s : QList<PushSession*>(sessions_)) s->drop(true);
}

bool PushServer::resumeListening(QString* error) { return listen(address_, port_, error); }
