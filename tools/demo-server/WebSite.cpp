#include "WebSite.h"
#include "AccountBook.h"
#include "DemoLog.h"
#include "UpdateOffer.h"
#include "base/Cp936.h"
#include <QCryptographicHash>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QUrlQuery>

namespace {

const char* const kVoteCookie = "quenra_vote";

QHttpServerResponse html(const QByteArray& page,
                         QHttpServerResponse::StatusCode status = QHttpServerResponse::StatusCode::Ok) {
    return QHttpServerResponse("text/html; charset=utf-8", page, status);
}

QString queryValue(const QHttpServerRequest& request, const QString& key) {
    return request.query().queryItemValue(key, QUrl::FullyDecoded);
}

bool submitted(const QHttpServerRequest& request) { return request.query().hasQueryItem(QStringLiteral("submitted")); }

QByteArray header(const QHttpServerRequest& request, const QByteArray& name) {
    for (const auto& h : request.headers()) {
        if (h.first.compare(name, Qt::CaseInsensitive) == 0) return h.second;
    }
    return {};
}

// The MD5 of the password's code page 936 bytes in lower-case hex, as the vote login sends it.
QString passwordDigest(const QString& password) {
    return QString::fromLatin1(QCryptographicHash::hash(cp936::encode(password), QCryptographicHash::Md5).toHex());
}

} // namespace

WebSite::WebSite(const SitePages::Content& content, DemoLog& log, quint32 seed, Kick kick)
    : pages_(content), content_(content), log_(log), random_(seed), kick_(std::move(kick)) {
    auto page = [](std::function<QByteArray()> make) {
        return [make](const QHttpServerRequest&) { return html(make()); };
    };
    routes_ = {
        {QStringLiteral("/"), page([this] { return pages_.index(); })},
        {QStringLiteral("/spd_update.xml"), [this](const QHttpServerRequest& r) { return manifest(r); }},
        {content.update.installerPath().toLower(),
         [this](const QHttpServerRequest&) {
             return QHttpServerResponse("application/octet-stream", content_.update.installer());
         }},
        {QStringLiteral("/download"), page([this] { return pages_.download(); })},
        {QStringLiteral("/mrvx43.htm"), page([this] { return pages_.statistics(); })},
        {QStringLiteral("/datatransfer/rapidnews"),
         [this](const QHttpServerRequest& r) {
             const QString id = queryValue(r, QStringLiteral("news_id"));
             const auto article = pages_.article(id.toInt());
             return article ? html(*article)
                            : html(pages_.notFound(r.url().path() + QStringLiteral("?news_id=") + id),
                                   QHttpServerResponse::StatusCode::NotFound);
         }},
        {QStringLiteral("/new/table"), page([this] { return pages_.strategyTable(); })},
        {QStringLiteral("/new/news"), page([this] { return pages_.newsBrief(); })},
        {QStringLiteral("/dailyreport/index"), page([this] { return pages_.dailyReport(); })},
        {QStringLiteral("/datatransfer/regroadking"),
         [this](const QHttpServerRequest& r) { return html(pages_.registration(submitted(r))); }},
        {QStringLiteral("/datatransfer/changepassword"),
         [this](const QHttpServerRequest& r) {
             return html(pages_.changePassword(queryValue(r, QStringLiteral("id")), submitted(r)));
         }},
        {QStringLiteral("/resetpassword/resetpassword"),
         [this](const QHttpServerRequest& r) { return html(pages_.resetPassword(submitted(r))); }},
        {QStringLiteral("/votedatadock/userlogin"),
         [this](const QHttpServerRequest& r) { return voteLogin(r, QStringLiteral("email")); }},
        {QStringLiteral("/votedatadock/phonelogin"),
         [this](const QHttpServerRequest& r) { return voteLogin(r, QStringLiteral("phone")); }},
        {QStringLiteral("/voting/index"),
         [this](const QHttpServerRequest& r) {
             const QString account = voteAccount(r);
             log_.line(QStringLiteral("vote: poll shown to %1")
                           .arg(account.isEmpty() ? QStringLiteral("nobody logged in") : account));
             QMap<QString, int> tally;
             for (const QString& choice : std::as_const(votes_)) ++tally[choice];
             return html(pages_.voting(account, votes_.value(account), tally));
         }},
        {QStringLiteral("/voting/vote"), [this](const QHttpServerRequest& r) { return vote(r); }},
        {QStringLiteral("/ruzezaro/ruzezaro"), page([this] { return pages_.functionIntroduction(); })},
        {QStringLiteral("/product"), page([this] { return pages_.product(); })},
        {QStringLiteral("/maker"), page([this] { return pages_.maker(); })},
        {QStringLiteral("/control/kick"),
         [this](const QHttpServerRequest& r) {
             const int told = kick_(queryValue(r, QStringLiteral("account")));
             return QHttpServerResponse("text/plain; charset=utf-8",
                                        QStringLiteral("kicked %1 session(s)\n").arg(told).toUtf8());
         }},
    };
}

bool WebSite::listen(const QHostAddress& address, quint16 port, QString* error) {
    port_ = QAbstractHttpServer::listen(address, port);
    if (port_ != 0) return true;
    *error = QStringLiteral("http: cannot listen on TCP %1:%2").arg(address.toString()).arg(port);
    return false;
}

bool WebSite::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    QHttpServerResponse response = respond(request);
    log_.line(
        QStringLiteral("http: %1 %2 -> %3")
            .arg(request.remoteAddress().toString(), request.url().toString(QUrl::RemoveScheme | QUrl::RemoveAuthority))
            .arg(int(response.statusCode())));
    response.write(makeResponder(request, socket));
    return true;
}

void WebSite::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    // Every request is answered by handleRequest, a 404 page included.
    handleRequest(request, socket);
}

QHttpServerResponse WebSite::respond(const QHttpServerRequest& request) {
    const QString path = request.url().path();
    const auto route = routes_.constFind(path.toLower());
    if (route == routes_.cend()) return html(pages_.notFound(path), QHttpServerResponse::StatusCode::NotFound);
    return (*route)(request);
}

QHttpServerResponse WebSite::manifest(const QHttpServerRequest& request) const {
    // Addresses on the host name the client used, so that they work from wherever it asked.
    QString host = QString::fromLatin1(header(request, "Host"));
    if (host.isEmpty()) host = QStringLiteral("127.0.0.1:%1").arg(port_);
    return QHttpServerResponse("text/xml; charset=utf-8", content_.update.manifest(QStringLiteral("http://") + host));
}

QHttpServerResponse WebSite::voteLogin(const QHttpServerRequest& request, const QString& accountKey) {
    const QString name = queryValue(request, accountKey);
    const auto account = content_.accounts.find(name);
    const bool accepted = account && account->active &&
                          queryValue(request, QStringLiteral("password"))
                                  .compare(passwordDigest(account->password), Qt::CaseInsensitive) == 0;
    log_.line(QStringLiteral("vote: login of %1 %2")
                  .arg(name, accepted ? QStringLiteral("accepted") : QStringLiteral("refused")));
    QHttpServerResponse response = html(pages_.voteLogin(accepted ? account->nickname : QString(), accepted));
    if (accepted) {
        const QString token = QString::number(random_.generate64(), 16);
        voteSessions_.insert(token, account->name);
        response.addHeader("Set-Cookie",
                           QStringLiteral("%1=%2; Path=/; HttpOnly").arg(QLatin1String(kVoteCookie), token).toLatin1());
    }
    return response;
}

QHttpServerResponse WebSite::vote(const QHttpServerRequest& request) {
    const QString account = voteAccount(request);
    const int choice = queryValue(request, QStringLiteral("choice")).toInt();
    if (!account.isEmpty() && choice >= 0 && choice < SitePages::voteChoices().size()) {
        votes_.insert(account, SitePages::voteChoices().at(choice));
        log_.line(QStringLiteral("vote: %1 voted %2").arg(account, SitePages::voteChoices().at(choice)));
    }
    QHttpServerResponse response(QHttpServerResponse::StatusCode::Found);
    response.addHeader("Location", "/voting/index?typestate=1");
    return response;
}

QString WebSite::voteAccount(const QHttpServerRequest& request) const {
    const QByteArray prefix = QByteArray(kVoteCookie) + '=';
    for (const QByteArray& cookie : header(request, "Cookie").split(';')) {
        const QByteArray c = cookie.trimmed();
        if (c.startsWith(prefix)) return voteSessions_.value(QString::fromLatin1(c.mid(prefix.size())));
    }
    return {};
}
