#pragma once
#include "SitePages.h"
#include <QAbstractHttpServer>
#include <QHash>
#include <QHostAddress>
#include <QHttpServerResponse>
#include <QRandomGenerator>
#include <functional>

class DemoLog;

// The vendor's web and file server on one HTTP port: the update manifest and installer,
// the pages the client opens (articles, frames, account pages, vote pages, about links),
// and a control address for tests: /control/kick?account=... sends "logged in elsewhere".
class WebSite : public QAbstractHttpServer {
public:
    using Kick = std::function<int(const QString& account)>;
    WebSite(const SitePages::Content& content, DemoLog& log, quint32 seed, Kick kick);

    bool listen(const QHostAddress& address, quint16 port, QString* error);
    quint16 port() const { return port_; }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    using Handler = std::function<QHttpServerResponse(const QHttpServerRequest&)>;
    QHttpServerResponse respond(const QHttpServerRequest& request);
    QHttpServerResponse voteLogin(const QHttpServerRequest& request, const QString& accountKey);
    QHttpServerResponse vote(const QHttpServerRequest& request);
    QHttpServerResponse manifest(const QHttpServerRequest& request) const;
    QString voteAccount(const QHttpServerRequest& request) const;

    SitePages pages_;
    SitePages::Content content_;
    DemoLog& log_;
    QRandomGenerator random_;
    Kick kick_;
    QHash<QString, Handler> routes_;       // by lower-case path
    QHash<QString, QString> voteSessions_; // cookie token -> account
    QHash<QString, QString> votes_;        // account -> choice
    quint16 port_ = 0;
};
