#pragma once
#include "PushSession.h"
#include <QHostAddress>
#include <QTcpServer>
#include <functional>

// The push server: accepts clients and hands what is published to every session that
// has logged on.
class PushServer : public QObject {
public:
    PushServer(const PushSession::Settings& settings, DemoLog& log, const AccountBook& accounts);

    bool listen(const QHostAddress& address, quint16 port, QString* error);
    quint16 port() const { return server_.serverPort(); }

    // Calls fn for every logged-on session.
    void forEachSession(const std::function<void(PushSession&)>& fn);
    // Sends "logged in elsewhere" to the sessions of the account (all sessions when the
    // account is empty); returns how many were told.
    int kick(const QString& account);

    // The listener goes away, and every connection with it (reset), as when the server
    // host restarts; resumeListening() listens again where it listened before.
    void stopListening();
    bool resumeListening(QString* error);

    // What a session is sent right after its logon.
    std::function<void(PushSession&, qint32 highestNewsId)> onLogon;

private:
    void accept();

    PushSession::Settings settings_;
    DemoLog& log_;
    const AccountBook& accounts_;
    QTcpServer server_;
    QHostAddress address_;
    quint16 port_ = 0;
    QList<PushSession*> sessions_;
    quint32 accepted_ = 0;
};
