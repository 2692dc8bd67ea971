#include "DemoServer.h"
#include "DemoClock.h"
#include "DemoLog.h"
#include "FaultInjector.h"
#include "IdentityService.h"
#include "LoginService.h"
#include "PushServer.h"
#include "WebSite.h"
#include <QDir>

namespace {

// Seeds of the generators, apart so that one's use never shifts another's choices.
enum Salt : quint32 {
    QuoteSalt = 0x51u,
    NewsSalt = 0x4e5u,
    CalendarSalt = 0xca1u,
    PushSalt = 0x9u,
    WebSalt = 0x3eb,
    FaultSalt = 0xfa17u
};

constexpr qint32 kFirstNewsId = 200001;
constexpr qint32 kFirstClientId = 30001;
constexpr int kBacklog = 8;  // flashes on hand at start, for the first client
constexpr int kCatchUp = 10; // flashes a client gets at logon, at most

} // namespace

DemoServer::DemoServer(const DemoOptions& options, DemoLog& log, DemoClock& clock)
    : options_(options), log_(log), clock_(clock), quotes_(options.seed ^ QuoteSalt),
      news_(options.seed ^ NewsSalt, kFirstNewsId), calendar_(options.seed ^ CalendarSalt, clock.now()),
      update_(options.offerUpdate, options.dataDir) {
    const QDateTime now = clock_.now();
    for (int i = kBacklog; i > 0; --i) {
        news_.publish(now.addSecs(-i * 97), quotes_.quotes());
    }
}

DemoServer::~DemoServer() = default;

bool DemoServer::start(QString* error) {
    const QString accountsFile = QDir(options_.dataDir).filePath(QStringLiteral("accounts.txt"));
    if (!accounts_.load(accountsFile, error)) return false;
    if (accounts_.skippedLines() > 0) {
        log_.line(QStringLiteral("accounts: skipped %1 malformed line(s) of %2")
                      .arg(accounts_.skippedLines())
                      .arg(accountsFile));
    }

    login_ = std::make_unique<LoginService>(log_, accounts_);
    identity_ = std::make_unique<IdentityService>(log_, kFirstClientId);
    push_ = std::make_unique<PushServer>(PushSession::Settings{options_.heartbeatMs, options_.seed ^ PushSalt,
                                                               options_.splitRecords, options_.faults.cutPercent},
                                         log_, accounts_);
    push_->onLogon = [this](PushSession& s, qint32 highest) { welcome(s, highest); };
    web_ = std::make_unique<WebSite>(SitePages::Content{news_, quotes_, calendar_, accounts_, update_, clock_}, log_,
                                     options_.seed ^ WebSalt, [this](const QString& a) { return kick(a); });

    const QHostAddress& at = options_.bind;
    if (!login_->bind(at, options_.loginPort, error) || !identity_->bind(at, options_.identityPort, error) ||
        !push_->listen(at, options_.pushPort, error) || !web_->listen(at, options_.httpPort, error)) {
        return false;
    }
    faults_ = std::make_unique<FaultInjector>(options_.faults, options_.seed ^ FaultSalt, *push_, log_);
    faults_->start();
    every(newsTimer_, options_.newsIntervalMs, &DemoServer::publishNews);
    every(quoteTimer_, options_.quoteIntervalMs, &DemoServer::publishQuotes);
    every(resultTimer_, options_.resultCheckMs, &DemoServer::releaseResults);
    return true;
}

void DemoServer::every(QTimer& timer, int ms, void (DemoServer::*fn)()) {
    timer.setInterval(ms);
    connect(&timer, &QTimer::timeout, this, fn);
    timer.start();
}

QStringList DemoServer::listening() const {
    const QString host = options_.bind.toString();
    return {
        QStringLiteral("login     udp %1:%2").arg(host).arg(loginPort()),
        QStringLiteral("identity  udp %1:%2").arg(host).arg(identityPort()),
        QStringLiteral("push      tcp %1:%2").arg(host).arg(pushPort()),
        QStringLiteral("web/files http://%1:%2/ (update manifest /spd_update.xml, version %3)")
            .arg(host)
            .arg(httpPort())
            .arg(update_.version()),
    };
}

quint16 DemoServer::loginPort() const { return login_->port(); }
quint16 DemoServer::identityPort() const { return identity_->port(); }
quint16 DemoServer::pushPort() const { return push_->port(); }
quint16 DemoServer::httpPort() const { return web_->port(); }

void DemoServer::welcome(PushSession& session, qint32 highestNewsId) {
    // The week first: it is the largest transfer and the client needs it whole.
    session.sendCalendarDays(calendar_, {1, 2, 3, 4, 5});
    QList<NewsFlash> missed = news_.after(highestNewsId, kCatchUp);
    if (!missed.isEmpty()) session.sendNews(missed);
    session.sendQuotes(quotes_.batchText());
}

void DemoServer::publishNews() {
    const NewsFlash& flash = news_.publish(clock_.now(), quotes_.quotes());
    log_.line(QStringLiteral("news %1%2: %3")
                  .arg(flash.id)
                  .arg(flash.hasPage ? QStringLiteral(" (article)") : QString(), flash.text));
    push_->forEachSession([&flash](PushSession& s) { s.sendNews({flash}); });
}

void DemoServer::publishQuotes() {
    quotes_.step();
    const QString text = quotes_.batchText();
    push_->forEachSession([&text](PushSession& s) { s.sendQuotes(text); });
}

void DemoServer::releaseResults() {
    const QList<int> days = calendar_.advance(clock_.now());
    if (days.isEmpty()) return;
    QStringList names;
    for (int d : days) names.append(QString::number(d));
    log_.line(QStringLiteral("calendar: new results, sending day(s) %1 again").arg(names.join(QLatin1Char(','))));
    push_->forEachSession([this, &days](PushSession& s) { s.sendCalendarDays(calendar_, days); });
}

int DemoServer::kick(const QString& account) { return push_->kick(account); }

bool DemoServer::injectFault(const QString& name) { return faults_ && faults_->inject(name); }
