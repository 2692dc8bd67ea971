#include "Loopback.h"
#include "wire/PasswordDigest.h"
#include <gtest/gtest.h>

using demotest::TestServer;

namespace {

QString element(const QByteArray& xml, const QString& name) {
    const int start = xml.indexOf("<" + name.toLatin1() + ">");
    const int end = xml.indexOf("</" + name.toLatin1() + ">");
    if (start < 0 || end < start) return {};
    return QString::fromUtf8(xml.mid(start + name.size() + 2, end - start - name.size() - 2));
}

} // namespace

TEST(WebSite, ArticlesExistForFlashesWithAPageOnly) {
    TestServer t;
    ASSERT_TRUE(t.start()) << t.error.toStdString();
    QNetworkAccessManager http;
    int checked = 0;
    for (const NewsFlash& f : t.server->news().after(0, 8)) {
        const auto reply = demotest::get(http, t.url(QStringLiteral("/datatransfer/rapidnews?news_id=%1").arg(f.id)));
        EXPECT_EQ(reply.status, f.hasPage ? 200 : 404) << f.id;
        if (f.hasPage) {
            EXPECT_TRUE(QString::fromUtf8(reply.body).contains(f.title.toHtmlEscaped()));
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(WebSite, EveryPageTheClientOpensIsThereInUtf8AndNoUpdateIsOffered) {
    TestServer t;
    ASSERT_TRUE(t.start()) << t.error.toStdString();
    QNetworkAccessManager http;
    for (const char* path :
         {"/new/table", "/new/news?websiteid=0", "/dailyreport/index?id=1", "/datatransfer/regroadking",
          "/datatransfer/regroadking?submitted=1", "/resetpassword/resetpassword", "/ruzezaro/ruzezaro", "/product",
          "/maker", "/mrvx43.htm", "/MRVX43.htm", "/download", "/"}) {
        SCOPED_TRACE(path);
        const auto reply = demotest::get(http, t.url(path));
        EXPECT_EQ(reply.status, 200);
        EXPECT_EQ(reply.contentType, "text/html; charset=utf-8");
        EXPECT_TRUE(reply.body.contains("<meta charset=\"utf-8\">"));
    }
    const auto change = demotest::get(http, t.url("/datatransfer/changepassword?id=13800138000"));
    EXPECT_TRUE(change.body.contains("13800138000"));
    const auto missing = demotest::get(http, t.url("/nothing/here"));
    EXPECT_EQ(missing.status, 404);
    // By default the manifest offers nothing newer than the client.
    const auto manifest = demotest::get(http, t.url("/spd_update.xml"));
    EXPECT_EQ(manifest.status, 200);
    EXPECT_TRUE(manifest.contentType.startsWith("text/xml"));
    EXPECT_EQ(element(manifest.body, "Version"), "1.6.1111");
    EXPECT_FALSE(element(manifest.body, "URL").isEmpty());
}

TEST(WebSite, VoteLoginChecksThePasswordDigestAndKeepsTheVoter) {
    TestServer t;
    ASSERT_TRUE(t.start()) << t.error.toStdString();
    QNetworkAccessManager http;
    const QString digest = push::PasswordDigest::digest("demo123");
    EXPECT_TRUE(QString::fromUtf8(demotest::get(http, t.url("/voting/index?typestate=1")).body).contains("请先"));
    EXPECT_TRUE(t.logged("vote: poll shown to nobody logged in"));

    const auto refused = demotest::get(http, t.url("/votedatadock/userlogin?email=demo@quenra.test&password=" +
                                                   push::PasswordDigest::digest("demo124")));
    EXPECT_TRUE(QString::fromUtf8(refused.body).contains("登录失败"));
    const auto accepted =
        demotest::get(http, t.url("/votedatadock/userlogin?email=demo@quenra.test&password=" + digest));
    EXPECT_TRUE(QString::fromUtf8(accepted.body).contains("登录成功"));

    EXPECT_EQ(demotest::get(http, t.url("/voting/vote?choice=1")).status, 302);
    const QString poll = QString::fromUtf8(demotest::get(http, t.url("/voting/index?typestate=1")).body);
    EXPECT_TRUE(poll.contains("当前登录：demo@quenra.test"));
    EXPECT_TRUE(t.logged("vote: poll shown to demo@quenra.test"));
    EXPECT_TRUE(poll.contains("您的选择：看跌"));
    EXPECT_TRUE(poll.contains("共1票"));

    QNetworkAccessManager phone;
    const auto byPhone = demotest::get(phone, t.url("/votedatadock/phonelogin?phone=13800138000&password=" + digest));
    EXPECT_TRUE(QString::fromUtf8(byPhone.body).contains("登录成功"));
    EXPECT_TRUE(t.logged("vote: login of 13800138000 accepted"));
}
