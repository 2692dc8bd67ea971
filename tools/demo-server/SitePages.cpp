#include "SitePages.h"
#include "AccountBook.h"
#include "CalendarWeek.h"
#include "DemoClock.h"
#include "NewsDesk.h"
#include "PageLayout.h"
#include "QuoteBoard.h"
#include "UpdateOffer.h"
#include <QLocale>

namespace {

QString e(const QString& text) { return PageLayout::escaped(text); }

QString paragraphs(const QStringList& texts) {
    QString html;
    for (const QString& t : texts) html += QStringLiteral("<p>%1</p>\n").arg(e(t));
    return html;
}

const char* const kDisclaimer = "本页内容仅供参考，不构成投资建议。外汇及贵金属交易风险较高，入市需谨慎。";

QString note() { return QStringLiteral("<div class=\"note\">%1</div>").arg(QString::fromUtf8(kDisclaimer)); }

QString longDate(const QDate& date) {
    return QLocale(QLocale::Chinese, QLocale::China).toString(date, QStringLiteral("yyyy年M月d日 dddd"));
}

// Trading levels around a quote: a pip for currencies, a dollar for gold.
struct Levels {
    QString price, support, resistance, stop, target;
    bool bullish;
};

Levels levelsOf(const QuoteBoard::Quote& q) {
    const qint64 pip = q.symbol == QStringLiteral("XAUUSD") ? 100 : 10;
    const qint64 at = q.bid / pip * pip;
    auto text = [&q](qint64 points) { return QuoteBoard::priceText(points, q.digits); };
    const bool bullish = q.bid >= q.opening;
    return {text(q.bid),
            text(at - 35 * pip),
            text(at + 35 * pip),
            text(bullish ? at - 60 * pip : at + 60 * pip),
            text(bullish ? at + 70 * pip : at - 70 * pip),
            bullish};
}

QString strategyLine(const QuoteBoard::Quote& q) {
    const Levels l = levelsOf(q);
    return l.bullish ? QStringLiteral("回调至%1附近做多，止损%2，目标%3").arg(l.support, l.stop, l.target)
                     : QStringLiteral("反弹至%1附近做空，止损%2，目标%3").arg(l.resistance, l.stop, l.target);
}

const QuoteBoard::Quote* quoteOf(const QuoteBoard& board, const char* symbol) {
    for (const auto& q : board.quotes()) {
        if (q.symbol == QLatin1String(symbol)) return &q;
    }
    return nullptr;
}

QString form(const QString& action, const QString& fields, const QString& button) {
    return QStringLiteral("<form method=\"get\" action=\"%1\">\n%2<div><label></label>"
                          "<input type=\"hidden\" name=\"submitted\" value=\"1\">"
                          "<input type=\"submit\" value=\"%3\"></div>\n</form>\n")
        .arg(action, fields, button);
}

QString field(const QString& label, const QString& name, bool secret = false, const QString& value = {}) {
    return QStringLiteral("<div><label>%1</label><input type=\"%2\" name=\"%3\" value=\"%4\"></div>\n")
        .arg(label, secret ? QStringLiteral("password") : QStringLiteral("text"), name, e(value));
}

} // namespace

const QStringList& SitePages::voteChoices() {
    static const QStringList choices = {QStringLiteral("看涨"), QStringLiteral("看跌"), QStringLiteral("震荡")};
    return choices;
}

QString SitePages::demoAccountsTable() const {
    QString rows;
    for (const auto& a : c_.accounts.all()) {
        rows += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td></tr>\n")
                    .arg(e(a.name), e(a.password), e(a.nickname),
                         a.active ? QStringLiteral("已激活") : QStringLiteral("未激活"));
    }
    return QStringLiteral("<table><tr><th>账户</th><th>密码</th><th>昵称</th><th>状态</th></tr>\n%1</table>\n")
        .arg(rows);
}

QByteArray SitePages::index() const {
    const QString links[][2] = {
        {QStringLiteral("/new/table"), QStringLiteral("策略参考")},
        {QStringLiteral("/new/news?websiteid=0"), QStringLiteral("要闻简报")},
        {QStringLiteral("/dailyreport/index?id=1"), QStringLiteral("每日专业策略")},
        {QStringLiteral("/datatransfer/regroadking"), QStringLiteral("注册")},
        {QStringLiteral("/resetpassword/resetpassword"), QStringLiteral("找回密码")},
        {QStringLiteral("/voting/index?typestate=1"), QStringLiteral("行情投票")},
        {QStringLiteral("/ruzezaro/ruzezaro"), QStringLiteral("功能介绍")},
        {QStringLiteral("/product"), QStringLiteral("产品网站")},
        {QStringLiteral("/maker"), QStringLiteral("关于我们")},
        {QStringLiteral("/download"), QStringLiteral("下载")},
    };
    QString list;
    for (const auto& l : links) list += QStringLiteral("<li><a href=\"%1\">%2</a></li>\n").arg(l[0], l[1]);
    return PageLayout::page(QStringLiteral("Quenra外汇黄金资讯"),
                            QStringLiteral("<h1>Quenra外汇黄金资讯</h1>\n<ul class=\"news\">\n%1</ul>\n").arg(list));
}

std::optional<QByteArray> SitePages::article(qint32 newsId) const {
    const NewsFlash* f = c_.news.find(newsId);
    if (!f || !f->hasPage) return std::nullopt;
    const QString body = QStringLiteral("<h1>%1</h1>\n<div class=\"meta\">%2　来源：Quenra资讯　编号：%3</div>\n%4%5")
                             .arg(e(f->title), f->time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                  QString::number(f->id), paragraphs(f->paragraphs), note());
    return PageLayout::page(f->title, body);
}

QByteArray SitePages::strategyTable() const {
    QString rows;
    for (const auto& q : c_.quotes.quotes()) {
        const Levels l = levelsOf(q);
        rows += QStringLiteral("<tr><td>%1</td><td class=\"%2\">%3</td><td>%4</td><td>%5</td><td>%6</td><td "
                               "class=\"left\">%7</td></tr>\n")
                    .arg(q.symbol, l.bullish ? QStringLiteral("up") : QStringLiteral("down"), l.price,
                         l.bullish ? QStringLiteral("偏多") : QStringLiteral("偏空"), l.support, l.resistance,
                         strategyLine(q));
    }
    const QString body = QStringLiteral("<h1>策略参考</h1>\n<div class=\"meta\">更新时间：%1</div>\n"
                                        "<table><tr><th>品种</th><th>现价</th><th>方向</th><th>支撑</th><th>阻力</"
                                        "th><th>操作建议</th></tr>\n%2</table>\n%3")
                             .arg(c_.clock.now().toString(QStringLiteral("yyyy-MM-dd HH:mm")), rows, note());
    return PageLayout::page(QStringLiteral("策略参考"), body);
}

QByteArray SitePages::newsBrief() const {
    QString items;
    const QList<NewsFlash> recent = c_.news.after(0, 30);
    for (auto it = recent.crbegin(); it != recent.crend(); ++it) {
        const QString title =
            it->hasPage ? QStringLiteral("<a href=\"/datatransfer/rapidnews?news_id=%1\" target=\"_blank\">%2</a>")
                              .arg(QString::number(it->id), e(it->text))
                        : e(it->text);
        items += QStringLiteral("<li>%1　%2</li>\n").arg(it->time.toString(QStringLiteral("HH:mm")), title);
    }
    if (items.isEmpty()) items = QStringLiteral("<li>暂无要闻</li>\n");
    return PageLayout::page(
        QStringLiteral("要闻简报"),
        QStringLiteral("<h1>要闻简报</h1>\n<div class=\"meta\">%1</div>\n<ul class=\"news\">\n%2</ul>\n")
            .arg(longDate(c_.clock.now().date()), items));
}

QByteArray SitePages::dailyReport() const {
    const QDate today = c_.clock.now().date();
    QString events;
    if (today.dayOfWeek() <= CalendarWeek::kDays && CalendarWeek::mondayOf(today) == c_.calendar.monday()) {
        for (const CalendarEvent& ev : c_.calendar.events(today.dayOfWeek())) {
            if (ev.importance == QStringLiteral("低")) continue;
            events +=
                QStringLiteral("<tr><td>%1</td><td class=\"left\">%2%3</td><td>%4</td><td>%5</td><td>%6</td></tr>\n")
                    .arg(ev.time.toString(QStringLiteral("HH:mm")), e(ev.country), e(ev.indicator), ev.importance,
                         e(ev.previous), e(ev.forecast));
        }
    }
    const QString quiet = today.dayOfWeek() > CalendarWeek::kDays
                              ? QStringLiteral("<p>周末休市，下周数据请见财经日历。</p>\n")
                              : QStringLiteral("<p>今日无重要数据公布。</p>\n");
    const QString agenda =
        events.isEmpty()
            ? quiet
            : QStringLiteral(
                  "<table><tr><th>时间</th><th>事件</th><th>重要性</th><th>前值</th><th>预测</th></tr>\n%1</table>\n")
                  .arg(events);
    QString views;
    for (const char* symbol : {"XAUUSD", "EURUSD", "USDJPY", "GBPUSD"}) {
        if (const auto* q = quoteOf(c_.quotes, symbol)) {
            views += QStringLiteral("<h2>%1</h2>\n<p>现报%2。%3。</p>\n")
                         .arg(q->symbol, levelsOf(*q).price, strategyLine(*q));
        }
    }
    return PageLayout::page(
        QStringLiteral("每日专业策略"),
        QStringLiteral("<h1>每日专业策略</h1>\n<div class=\"meta\">%1</div>\n<h2>今日关注</h2>\n%2%3%4")
            .arg(longDate(today), agenda, views, note()));
}

QByteArray SitePages::registration(bool submitted) const {
    const QString body =
        submitted ? QStringLiteral(
                        "<h1>注册</h1>\n<div class=\"box\">演示服务器不开设新账户。请使用下列演示账户登录：</div>\n%1")
                        .arg(demoAccountsTable())
                  : QStringLiteral("<h1>注册Quenra账户</h1>\n%1")
                        .arg(form(QStringLiteral("/datatransfer/regroadking"),
                                  field(QStringLiteral("邮箱"), QStringLiteral("email")) +
                                      field(QStringLiteral("手机号码"), QStringLiteral("phone")) +
                                      field(QStringLiteral("密码"), QStringLiteral("password"), true) +
                                      field(QStringLiteral("确认密码"), QStringLiteral("confirm"), true),
                                  QStringLiteral("注册")));
    return PageLayout::page(QStringLiteral("注册"), body);
}

QByteArray SitePages::changePassword(const QString& account, bool submitted) const {
    const QString body =
        submitted
            ? QStringLiteral(
                  "<h1>修改密码</h1>\n<div class=\"box\">演示服务器不保存密码修改，账户 %1 的密码保持不变。</div>\n")
                  .arg(e(account))
            : QStringLiteral("<h1>修改密码</h1>\n%1")
                  .arg(form(QStringLiteral("/datatransfer/changepassword"),
                            field(QStringLiteral("账户"), QStringLiteral("id"), false, account) +
                                field(QStringLiteral("原密码"), QStringLiteral("old"), true) +
                                field(QStringLiteral("新密码"), QStringLiteral("new"), true),
                            QStringLiteral("确定")));
    return PageLayout::page(QStringLiteral("修改密码"), body);
}

QByteArray SitePages::resetPassword(bool submitted) const {
    const QString body =
        submitted
            ? QStringLiteral(
                  "<h1>找回密码</h1>\n<div class=\"box\">演示服务器不发送邮件。演示账户及密码如下：</div>\n%1")
                  .arg(demoAccountsTable())
            : QStringLiteral(
                  "<h1>找回密码</h1>\n<p>请输入注册时使用的邮箱或手机号码，我们将把重设密码的链接发送给您。</p>\n%1")
                  .arg(form(QStringLiteral("/resetpassword/resetpassword"),
                            field(QStringLiteral("邮箱/手机"), QStringLiteral("account")), QStringLiteral("发送")));
    return PageLayout::page(QStringLiteral("找回密码"), body);
}

QByteArray SitePages::voteLogin(const QString& account, bool accepted) const {
    const QString body =
        accepted ? QStringLiteral("<h1>行情投票</h1>\n<p class=\"ok\">登录成功，欢迎您，%1。</p>\n<p><a "
                                  "href=\"/voting/index?typestate=1\">进入投票</a></p>\n")
                       .arg(e(account))
                 : QStringLiteral("<h1>行情投票</h1>\n<p class=\"fail\">登录失败：账户或密码不正确。</p>\n");
    return PageLayout::page(QStringLiteral("行情投票"), body);
}

QByteArray SitePages::voting(const QString& account, const QString& myChoice, const QMap<QString, int>& tally) const {
    if (account.isEmpty()) {
        return PageLayout::page(QStringLiteral("行情投票"),
                                QStringLiteral("<h1>行情投票</h1>\n<p>请先在客户端登录后再参与投票。</p>\n"));
    }
    int total = 0;
    for (int n : tally) total += n;
    QString rows;
    for (int i = 0; i < voteChoices().size(); ++i) {
        const QString& choice = voteChoices().at(i);
        const int n = tally.value(choice);
        const int percent = total ? n * 100 / total : 0;
        rows += QStringLiteral("<tr><td><a href=\"/voting/vote?choice=%1\">%2</a></td><td class=\"left\">"
                               "<span class=\"bar-vote\" style=\"width:%3px\"></span> %4票 (%5%)</td></tr>\n")
                    .arg(i)
                    .arg(choice)
                    .arg(percent * 4)
                    .arg(n)
                    .arg(percent);
    }
    const QString mine = myChoice.isEmpty() ? QStringLiteral("您还没有投票，点击选项即可投票。")
                                            : QStringLiteral("您的选择：%1").arg(myChoice);
    return PageLayout::page(
        QStringLiteral("行情投票"),
        QStringLiteral("<h1>行情投票</h1>\n<div class=\"meta\">当前登录：%1　%2</div>\n<h2>本周现货黄金走势</h2>\n"
                       "<table><tr><th>选项</th><th>投票结果（共%3票）</th></tr>\n%4</table>\n%5")
            .arg(e(account), mine, QString::number(total), rows, note()));
}

QByteArray SitePages::functionIntroduction() const {
    const QStringList features = {
        QStringLiteral("资讯汇总：外汇、黄金快讯实时推送，重要消息弹窗提醒并伴有提示音。"),
        QStringLiteral("财经日历：一周重要经济数据一目了然，可按事件设置提醒，数据公布后即时显示结果。"),
        QStringLiteral("行情中心：主要货币对及黄金、白银报价实时刷新，涨跌以颜色区分，可拖动排序。"),
        QStringLiteral("策略参考与每日专业策略：分析师每日更新的支撑阻力与操作建议。"),
        QStringLiteral("贴边隐藏、托盘常驻、自动升级，占用资源少，启动迅速。"),
    };
    QString list;
    for (const QString& f : features) list += QStringLiteral("<li>%1</li>\n").arg(f);
    return PageLayout::page(QStringLiteral("功能介绍"),
                            QStringLiteral("<h1>Quenra极速版 功能介绍</h1>\n<ul class=\"news\">\n%1</ul>\n").arg(list));
}

QByteArray SitePages::product() const {
    return PageLayout::page(
        QStringLiteral("Quenra极速版"),
        QStringLiteral(
            "<h1>Quenra极速版</h1>\n<p>专为外汇与黄金投资者打造的桌面资讯客户端：快讯、财经日历、行情报价，"
            "一个小窗口全部掌握。</p>\n<div class=\"box\">当前版本：%1　<a href=\"/download\">免费下载</a></div>\n%2")
            .arg(e(c_.update.version()), note()));
}

QByteArray SitePages::maker() const {
    return PageLayout::page(QStringLiteral("关于我们"),
                            QStringLiteral("<h1>关于我们</h1>\n<p>Quenra团队专注于外汇与贵金属市场的资讯服务，"
                                           "为投资者提供及时、准确的市场信息与分析工具。</p>\n"
                                           "<div class=\"box\">联系邮箱：service@quenra.test</div>\n"));
}

QByteArray SitePages::download() const {
    return PageLayout::page(
        QStringLiteral("下载"),
        QStringLiteral(
            "<h1>下载Quenra极速版</h1>\n<table><tr><th>版本</th><th>安装程序</th><th>SHA-256</th></tr>\n"
            "<tr><td>%1</td><td><a href=\"%2\">下载</a></td><td style=\"font-size:11px\">%3</td></tr></table>\n")
            .arg(e(c_.update.version()), c_.update.installerPath(), c_.update.installerSha256()));
}

QByteArray SitePages::statistics() const {
    return PageLayout::page(QStringLiteral("Quenra"), QStringLiteral("<p>欢迎使用Quenra极速版。</p>\n"));
}

QByteArray SitePages::notFound(const QString& path) const {
    return PageLayout::page(
        QStringLiteral("页面不存在"),
        QStringLiteral(
            "<h1>页面不存在</h1>\n<p>没有找到 %1，该页面可能已被删除。</p>\n<p><a href=\"/\">返回首页</a></p>\n")
            .arg(e(path)));
}
