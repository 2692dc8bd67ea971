#include "NewsWriter.h"

namespace {

enum class Desk { Forex, Metals, Data, Banks };

// A story: its desk (which figures fill it), its headline and its article paragraphs.
// Placeholders are names in braces; a headline starting with "[短讯]" is a short item.
struct Story {
    Desk desk;
    const char* headline;
    const char* paragraphs[3];
};

constexpr Story kStories[] = {
    {Desk::Forex,
     "{pair}短线走高，现报{price}，日内涨{pct}%",
     {"{clock}消息，{pair}在{session}时段稳步走高，最高触及{high}，最低下探{low}，截至发稿报{price}。",
      "分析人士指出，美元指数回落为非美货币提供支撑，市场正等待本周稍晚公布的重要经济数据。",
      "技术面上，{pair}上方阻力位于{res}，下方支撑位于{sup}；若有效突破{res}，涨势或进一步扩大。"}},
    {Desk::Forex,
     "{pair}跌破{above}关口，日内下跌{pts}点",
     {"{clock}消息，{pair}在{session}时段承压下行，跌破{above}整数关口，现报{price}。",
      "交易员表示，止损盘被触发加剧了跌势，短线空头力量占优。",
      "技术面上，{pair}下方支撑位于{sup}，若失守则下一目标指向{low}；上方阻力位于{res}。"}},
    {Desk::Forex, "[短讯]{pair}快速拉升{pts}点，触及{high}", {}},
    {Desk::Forex,
     "{pair}{session}窄幅盘整，交投于{low}-{high}区间",
     {"{clock}消息，{pair}{session}维持窄幅震荡，波动区间不足{pts}点，现报{price}。",
      "市场缺乏明确方向，投资者在重要数据和央行官员讲话前保持观望。",
      "分析师认为，{pair}短线或继续在{sup}至{res}之间整理，突破方向有待数据指引。"}},
    {Desk::Forex, "[短讯]美元指数短线走低，现报{dxy}", {}},
    {Desk::Forex,
     "美国10年期国债收益率升至{yield}%，美元指数涨{pct}%",
     {"{clock}消息，美国国债收益率全线上行，10年期国债收益率升至{yield}%，美元指数报{dxy}。",
      "市场对年内降息的预期有所降温，美元获得支撑，非美货币普遍承压。",
      "分析人士提醒，收益率走势仍是影响美元短期方向的关键因素。"}},
    {Desk::Metals,
     "现货黄金站上{below}美元/盎司，日内涨{pct}%",
     {"{clock}消息，现货黄金在{session}时段持续走强，站上{below}美元/盎司关口，现报{price}美元/盎司。",
      "避险需求升温叠加美元走软，金价获得支撑；全球最大黄金ETF持仓近期保持稳定。",
      "技术面上，金价上方阻力位于{res}，下方支撑位于{sup}，短线多头占优。"}},
    {Desk::Metals, "[短讯]现货黄金短线下挫{usd}美元，现报{price}", {}},
    {Desk::Metals,
     "全球最大黄金ETF持仓较上日增加{tonnes}吨，当前持仓{total}吨",
     {"据该基金网站公布的数据，截至上一交易日收盘，其黄金持仓较上日增加{tonnes}吨，当前持仓量为{total}吨。",
      "分析人士认为，机构投资者的配置需求回升，对金价形成中长期支撑。",
      "现货黄金现报{price}美元/盎司，日内波动区间为{low}-{high}。"}},
    {Desk::Metals,
     "现货黄金回落至{price}，{session}跌{pct}%",
     {"{clock}消息，现货黄金在{session}时段遭遇获利回吐，一度跌至{low}，现报{price}美元/盎司。",
      "美债收益率走高削弱了无息资产黄金的吸引力，短线资金流出迹象明显。",
      "技术面上，金价下方支撑位于{sup}，若跌破则可能进一步考验{low}附近。"}},
    {Desk::Data,
     "美国{month}月季调后非农就业人口{nfp}万人，预期{nfpfc}万人，前值{nfpprev}万人",
     {"美国劳工部公布的数据显示，美国{month}月季调后非农就业人口增加{nfp}万人，市场预期为增加{nfpfc}万人，前值修正为{"
      "nfpprev}万人。",
      "同期失业率为{jobless}%，平均每小时工资月率为{wage}%。",
      "数据公布后，美元指数短线波动，现报{dxy}；现货黄金报{gold}美元/盎司。"}},
    {Desk::Data, "[短讯]美国上周初请失业金人数{claims}万人，预期{claimsfc}万人", {}},
    {Desk::Data,
     "欧元区{month}月CPI年率初值{cpi}%，预期{cpifc}%",
     {"欧盟统计局公布的数据显示，欧元区{month}月消费者物价指数年率初值为{cpi}%，市场预期为{cpifc}%。",
      "核心通胀仍具粘性，市场关注欧洲央行下次会议的政策信号。", "数据公布后，欧元/美元短线波动，美元指数报{dxy}。"}},
    {Desk::Data,
     "英国{month}月制造业PMI终值{pmi}，预期{pmifc}，前值{pmiprev}",
     {"英国{month}月制造业采购经理人指数终值为{pmi}，预期{pmifc}，前值{pmiprev}。",
      "调查显示，新订单指数有所回升，但企业对未来一年的预期仍偏谨慎。",
      "数据公布后，英镑/美元小幅波动，市场焦点转向英国央行的利率决议。"}},
    {Desk::Data,
     "中国{month}月官方制造业PMI为{pmi}，前值{pmiprev}",
     {"国家统计局公布的数据显示，中国{month}月官方制造业采购经理指数为{pmi}，前值为{pmiprev}。",
      "分项数据中，生产指数和新订单指数均有改善，表明制造业景气度保持稳定。",
      "数据公布后，澳元/美元小幅走高，市场风险情绪有所改善。"}},
    {Desk::Banks,
     "{bank}宣布维持基准利率在{rate}%不变，符合市场预期",
     {"{bank}结束为期两天的货币政策会议，宣布将基准利率维持在{rate}%不变，符合市场普遍预期。",
      "声明指出，通胀压力有所缓解，但仍需更多证据确认通胀持续回落至目标水平。",
      "决议公布后，相关货币对短线波动，市场关注随后举行的新闻发布会。"}},
    {Desk::Banks,
     "{official}：通胀仍高于目标，现在讨论降息为时尚早",
     {"{official}在一场活动上表示，通胀仍高于目标水平，现在讨论降息为时尚早。",
      "该官员称，劳动力市场依然强劲，政策制定者可以耐心等待更多数据。", "讲话后，市场对年内降息的押注略有减少。"}},
    {Desk::Banks, "[短讯]{official}：将密切关注汇率波动对经济的影响", {}},
    {Desk::Banks,
     "日本财务省官员：正以高度紧迫感关注汇市动向",
     {"日本财务省高级官员表示，正以高度紧迫感关注汇市动向，必要时将采取适当行动。",
      "美元/日元近期持续走高，市场对日本当局入市干预的警惕升温。", "截至发稿，美元/日元报{usdjpy}。"}},
};

struct Bank {
    const char* name;
    const char* official;
    const char* rate;
};

constexpr Bank kBanks[] = {
    {"美联储", "美联储理事", "5.50"},
    {"欧洲央行", "欧洲央行管委", "4.50"},
    {"英国央行", "英国央行货币政策委员", "5.25"},
    {"日本央行", "日本央行审议委员", "0.10"},
    {"澳洲联储", "澳洲联储助理主席", "4.35"},
    {"加拿大央行", "加拿大央行副行长", "5.00"},
    {"瑞士央行", "瑞士央行行长", "1.50"},
    {"新西兰联储", "新西兰联储首席经济学家", "5.50"},
};

const char* chineseName(const QString& symbol) {
    static const QHash<QString, const char*> names = {
        {QStringLiteral("EURUSD"), "欧元/美元"}, {QStringLiteral("GBPUSD"), "英镑/美元"},
        {QStringLiteral("USDJPY"), "美元/日元"}, {QStringLiteral("AUDUSD"), "澳元/美元"},
        {QStringLiteral("USDCAD"), "美元/加元"}, {QStringLiteral("USDCHF"), "美元/瑞郎"},
        {QStringLiteral("NZDUSD"), "纽元/美元"}, {QStringLiteral("EURJPY"), "欧元/日元"},
        {QStringLiteral("GBPJPY"), "英镑/日元"}, {QStringLiteral("EURGBP"), "欧元/英镑"},
        {QStringLiteral("XAUUSD"), "现货黄金"},  {QStringLiteral("XAGUSD"), "现货白银"},
    };
    return names.value(symbol, "");
}

QString fill(const char* pattern, const QHash<QString, QString>& values) {
    QString text = QString::fromUtf8(pattern);
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        text.replace(QLatin1Char('{') + it.key() + QLatin1Char('}'), it.value());
    }
    return text;
}

QString session(const QDateTime& at) {
    const int hour = at.time().hour();
    if (hour >= 6 && hour < 14) return QStringLiteral("亚市");
    if (hour >= 14 && hour < 20) return QStringLiteral("欧市");
    return QStringLiteral("美市");
}

const QuoteBoard::Quote* findQuote(const QList<QuoteBoard::Quote>& prices, const QString& symbol) {
    for (const auto& q : prices) {
        if (q.symbol == symbol) return &q;
    }
    return nullptr;
}

QString priceOf(const QList<QuoteBoard::Quote>& prices, const QString& symbol) {
    const auto* q = findQuote(prices, symbol);
    return q ? QuoteBoard::priceText(q->bid, q->digits) : QString();
}

} // namespace

QString NewsWriter::percent(int minHundredths, int maxHundredths) {
    return QString::number(random_.bounded(minHundredths, maxHundredths + 1) / 100.0, 'f', 2);
}

NewsWriter::Values NewsWriter::marketValues(const QList<QuoteBoard::Quote>& prices, bool metal) {
    QList<const QuoteBoard::Quote*> candidates;
    for (const auto& q : prices) {
        if (q.symbol.startsWith(QLatin1String("XA")) == metal) candidates.append(&q);
    }
    if (candidates.isEmpty()) return {};
    const QuoteBoard::Quote& q = metal ? *candidates.first() : *candidates.at(random_.bounded(int(candidates.size())));
    // Levels around the price, in points: a pip is ten points except for gold, where the
    // dollar is the unit and round levels are tens of dollars.
    const qint64 pip = metal ? 100 : 10;
    const qint64 range = pip * random_.bounded(15, 60);
    const qint64 roundStep = metal ? 1000 : 500;
    const qint64 below = q.bid / roundStep * roundStep;
    auto roundText = [metal, &q](qint64 points) {
        return metal ? QuoteBoard::priceText(points / 100, 0) : QuoteBoard::priceText(points / 10, q.digits - 1);
    };
    auto price = [&q](qint64 points) { return QuoteBoard::priceText(points, q.digits); };
    auto level = [&q, pip](qint64 points) {
        // Support and resistance are quoted to the pip.
        return QuoteBoard::priceText(points / pip * pip, q.digits);
    };
    return {
        {QStringLiteral("pair"), QString::fromUtf8(chineseName(q.symbol))},
        {QStringLiteral("price"), price(q.bid)},
        {QStringLiteral("high"), price(q.bid + range / 3)},
        {QStringLiteral("low"), price(q.bid - range * 2 / 3)},
        {QStringLiteral("res"), level(q.bid + range)},
        {QStringLiteral("sup"), level(q.bid - range)},
        {QStringLiteral("above"), roundText(below + roundStep)}, // a level just broken downwards
        {QStringLiteral("below"), roundText(below)},             // a level just climbed over
        {QStringLiteral("pts"), QString::number(range / pip)},
        {QStringLiteral("usd"), QString::number(random_.bounded(3, 15))},
        {QStringLiteral("tonnes"), QString::number(random_.bounded(120, 980) / 100.0, 'f', 2)},
        {QStringLiteral("total"), QString::number(random_.bounded(82000, 86000) / 100.0, 'f', 2)},
    };
}

NewsWriter::Values NewsWriter::dataValues(const QDateTime& at) {
    const int month = at.date().addMonths(-1).month();
    return {
        {QStringLiteral("month"), QString::number(month)},
        {QStringLiteral("nfp"), QString::number(random_.bounded(80, 350) / 10.0, 'f', 1)},
        {QStringLiteral("nfpfc"), QString::number(random_.bounded(150, 260) / 10.0, 'f', 1)},
        {QStringLiteral("nfpprev"), QString::number(random_.bounded(120, 330) / 10.0, 'f', 1)},
        {QStringLiteral("jobless"), QString::number(random_.bounded(36, 41) / 10.0, 'f', 1)},
        {QStringLiteral("wage"), QString::number(random_.bounded(1, 5) / 10.0, 'f', 1)},
        {QStringLiteral("claims"), QString::number(random_.bounded(198, 235) / 10.0, 'f', 1)},
        {QStringLiteral("claimsfc"), QString::number(random_.bounded(205, 225) / 10.0, 'f', 1)},
        {QStringLiteral("cpi"), QString::number(random_.bounded(20, 30) / 10.0, 'f', 1)},
        {QStringLiteral("cpifc"), QString::number(random_.bounded(22, 28) / 10.0, 'f', 1)},
        {QStringLiteral("pmi"), QString::number(random_.bounded(470, 530) / 10.0, 'f', 1)},
        {QStringLiteral("pmifc"), QString::number(random_.bounded(480, 520) / 10.0, 'f', 1)},
        {QStringLiteral("pmiprev"), QString::number(random_.bounded(470, 530) / 10.0, 'f', 1)},
    };
}

NewsWriter::Values NewsWriter::bankValues() {
    const Bank& b = kBanks[random_.bounded(int(std::size(kBanks)))];
    return {
        {QStringLiteral("bank"), QString::fromUtf8(b.name)},
        {QStringLiteral("official"), QString::fromUtf8(b.official)},
        {QStringLiteral("rate"), QString::fromLatin1(b.rate)},
    };
}

NewsFlash NewsWriter::write(qint32 id, const QDateTime& at, const QList<QuoteBoard::Quote>& prices) {
    const Story& story = kStories[random_.bounded(int(std::size(kStories)))];
    Values values = story.desk == Desk::Data    ? dataValues(at)
                    : story.desk == Desk::Banks ? bankValues()
                                                : marketValues(prices, story.desk == Desk::Metals);
    values.insert(QStringLiteral("pct"), percent(8, 145));
    values.insert(QStringLiteral("clock"), at.toString(QStringLiteral("HH:mm")));
    values.insert(QStringLiteral("session"), session(at));
    values.insert(QStringLiteral("dxy"), QString::number(random_.bounded(10250, 10580) / 100.0, 'f', 2));
    values.insert(QStringLiteral("yield"), QString::number(random_.bounded(410, 470) / 100.0, 'f', 2));
    values.insert(QStringLiteral("gold"), priceOf(prices, QStringLiteral("XAUUSD")));
    values.insert(QStringLiteral("usdjpy"), priceOf(prices, QStringLiteral("USDJPY")));

    NewsFlash flash;
    flash.id = id;
    flash.time = at;
    flash.text = fill(story.headline, values);
    flash.title = QString(flash.text).remove(QStringLiteral("[短讯]"));
    for (const char* p : story.paragraphs) {
        if (p) flash.paragraphs.append(fill(p, values));
    }
    // Short items have no article; the others have one about two times in three.
    flash.hasPage = !flash.paragraphs.isEmpty() && random_.bounded(3) != 0;
    const char desk = char('1' + int(story.desk));
    const char weight = flash.text.startsWith(QStringLiteral("[短讯]")) ? '1' : '2';
    flash.flags = QByteArray(1, desk) + weight + '0';
    return flash;
}
