#pragma once
#include "AccountBook.h"
#include "CalendarWeek.h"
#include "DemoOptions.h"
#include "NewsDesk.h"
#include "QuoteBoard.h"
#include "UpdateOffer.h"
#include <QObject>
#include <QTimer>
#include <memory>

class DemoClock;
class DemoLog;
class FaultInjector;
class IdentityService;
class LoginService;
class PushServer;
class PushSession;
class WebSite;

// The vendor's side of every channel in one process: login and identity over UDP, the
// push server, and the web and file server, all fed by the same generated content.
class DemoServer : public QObject {
public:
    DemoServer(const DemoOptions& options, DemoLog& log, DemoClock& clock);
    ~DemoServer() override;

    // Reads the accounts and opens every port. False with a message when any fails.
    bool start(QString* error);
    // Where it listens, one line per channel.
    QStringList listening() const;

    quint16 loginPort() const;
    quint16 identityPort() const;
    quint16 pushPort() const;
    quint16 httpPort() const;

    // What the timers do, callable on demand (console, tests).
    void publishNews();
    void publishQuotes();
    void releaseResults();
    // "Logged in elsewhere" to the account's sessions (all when empty); how many were told.
    int kick(const QString& account);
    // One fault now, by name (see FaultInjector::inject); false for an unknown name.
    bool injectFault(const QString& name);

    const CalendarWeek& calendar() const { return calendar_; }
    const NewsDesk& news() const { return news_; }

private:
    void welcome(PushSession& session, qint32 highestNewsId);
    void every(QTimer& timer, int ms, void (DemoServer::*fn)());

    DemoOptions options_;
    DemoLog& log_;
    DemoClock& clock_;
    AccountBook accounts_;
    QuoteBoard quotes_;
    NewsDesk news_;
    CalendarWeek calendar_;
    UpdateOffer update_;
    std::unique_ptr<LoginService> login_;
    std::unique_ptr<IdentityService> identity_;
    std::unique_ptr<PushServer> push_;
    std::unique_ptr<WebSite> web_;
    std::unique_ptr<FaultInjector> faults_;
    QTimer newsTimer_, quoteTimer_, resultTimer_;
};
