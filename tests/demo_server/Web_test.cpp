#include "Loopback.h"
#include "wire/PasswordDigest.h"
#include <gtest/gtest.h>

using demotest::TestServer;

TEST(WebSite, EveryPageTheClientOpensIsThereNoUpdateIsOfferedAndTheVoteLogsInByThePasswordDigest) {
    TestServer t;
    ASSERT_TRUE(t.start()) << t.error.toStdString();
    QNetworkAccessManager http;
    const auto page = [&](QNetworkAccessManager& m, const QString& path) {
        return QString::fromUtf8(demotest::get(m, t.url(path)).body);
    };
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
    EXPECT_TRUE(page(http, "/datatransfer/changepassword?id=13800138000").contains("13800138000"));
    EXPECT_EQ(demotest::get(http, t.url("/nothing/here")).status, 404);
    int articles = 0;
    for (const NewsFlash& f : t.server->news().after(0, 8)) {
        const auto reply = demotest::get(http, t.url(QStringLiteral("/datatransfer/rapidnews?news_id=%1").arg(f.id)));
        EXPECT_EQ(reply.status, f.hasPage ? 200 : 404) << f.id;
        if (!f.hasPage) continue;
        EXPECT_TRUE(QString::fromUtf8(reply.body).contains(f.title.toHtmlEscaped()));
        ++articles;
    }
    EXPECT_GT(articles, 0);
    // By default the manifest offers nothing newer than the client.
    const auto manifest = demotest::get(http, t.url("/spd_update.xml"));
    EXPECT_EQ(manifest.status, 200);
    EXPECT_TRUE(manifest.contentType.startsWith("text/xml"));
    EXPECT_TRUE(manifest.body.contains("<Version>1.6.1111</Version>")) << manifest.body.toStdString();
    EXPECT_TRUE(manifest.body.contains(t.url("/download</URL>").toUtf8())) << manifest.body.toStdString();

    // The vote logs in by the password digest and keeps the voter in the session.
    const QString digest = push::PasswordDigest::digest("demo123");
    EXPECT_TRUE(page(http, "/voting/index?typestate=1").contains("请先"));
    EXPECT_TRUE(t.logged("vote: poll shown to nobody logged in"));
    const QString login = "/votedatadock/userlogin?email=demo@quenra.test&password=";
    EXPECT_TRUE(page(http, login + push::PasswordDigest::digest("demo124")).contains("登录失败"));
    EXPECT_TRUE(page(http, login + digest).contains("登录成功"));
    EXPECT_EQ(demotest::get(http, t.url("/voting/vote?choice=1")).status, 302);
    const QString poll = page(http, "/voting/index?typestate=1");
    EXPECT_TRUE(poll.contains("当前登录：demo@quenra.test"));
    EXPECT_TRUE(t.logged("vote: poll shown to demo@quenra.test"));
    EXPECT_TRUE(poll.contains("您的选择：看跌"));
    EXPECT_TRUE(poll.contains("共1票"));
    QNetworkAccessManager phone;
    EXPECT_TRUE(page(phone, "/votedatadock/phonelogin?phone=13800138000&password=" + digest).contains("登录成功"));
    EXPECT_TRUE(t.logged("vote: login of 13800138000 accepted"));
}
