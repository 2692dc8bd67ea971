#pragma once
#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>

class AccountBook;
class CalendarWeek;
class DemoClock;
class NewsDesk;
class QuoteBoard;
class UpdateOffer;

// The pages of the vendor's web site, written from the server's live content: articles
// from the news desk, strategy tables from the quote board, the daily report from the
// calendar.
class SitePages {
public:
    struct Content {
        const NewsDesk& news;
        const QuoteBoard& quotes;
        const CalendarWeek& calendar;
        const AccountBook& accounts;
        const UpdateOffer& update;
        const DemoClock& clock;
    };
    explicit SitePages(const Content& content) : c_(content) {}

    QByteArray index() const;
    std::optional<QByteArray> article(qint32 newsId) const;
    QByteArray strategyTable() const;
    QByteArray newsBrief() const;
    QByteArray dailyReport() const;
    QByteArray registration(bool submitted) const;
    QByteArray changePassword(const QString& account, bool submitted) const;
    QByteArray resetPassword(bool submitted) const;
    QByteArray voteLogin(const QString& account, bool accepted) const;
    // The poll; account empty when nobody has logged in to the vote pages.
    QByteArray voting(const QString& account, const QString& myChoice, const QMap<QString, int>& tally) const;
    QByteArray functionIntroduction() const;
    QByteArray product() const;
    QByteArray maker() const;
    QByteArray download() const;
    QByteArray statistics() const;
    QByteArray notFound(const QString& path) const;

    // The poll's choices, in the order shown.
    static const QStringList& voteChoices();

private:
    QString demoAccountsTable() const;

    Content c_;
};
