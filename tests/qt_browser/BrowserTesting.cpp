#include "BrowserTesting.h"
#include <QFile>
#include <QPixmap>
#include <cstdio>

namespace browsertest {

namespace {

void logHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (context.category && qstrcmp(context.category, "zep.browser") == 0 && type != QtDebugMsg && type != QtInfoMsg)
        BrowserLog::lines() << message;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

BrowserLog::BrowserLog() : previous_(qInstallMessageHandler(logHandler)) { lines().clear(); }

BrowserLog::~BrowserLog() { qInstallMessageHandler(previous_); }

QStringList& BrowserLog::lines() {
    static QStringList all;
    return all;
}

void PageFixture::open(const QString& page, const QSize& size, plat::WindowKind kind,
                       const std::function<void()>& beforeLoad) {
    const QString url = page.contains(QLatin1String("://")) ? page : pageBase() + page;
    log = std::make_unique<BrowserLog>();
    window = std::make_unique<plat::QtWindow>(kind);
    window->setGeometry(QRect(QPoint(40, 40), size));
    window->show();
    browser = static_cast<plat::QtBrowser*>(window->createBrowser());
    browser->setGeometry(QRect(QPoint(), window->widget()->size()));
    browser->onDocumentComplete = [this](const QString& url, bool top) {
        completed << url + (top ? QStringLiteral(" top") : QStringLiteral(" frame"));
    };
    browser->navigate(url);
    ASSERT_NE(browser->document(), nullptr) << "the model is there at once";
    EXPECT_TRUE(browser->busy());
    if (beforeLoad) beforeLoad();
    ASSERT_TRUE(waitUntil([this] { return !browser->busy(); }, 30000)) << "the page did not load";
    ASSERT_EQ(completed, QStringList{url + QStringLiteral(" top")});
}

void PageFixture::TearDown() {
    if (log) EXPECT_EQ(BrowserLog::lines(), QStringList()) << "the browser logged trouble";
    window.reset();
    log.reset();
    runLoopFor(100);
}

::testing::AssertionResult PageFixture::pageMatchesModel() const {
    QString html;
    QString model;
    if (waitUntil([&] { return (html = pageHtml()) == (model = doc().serialize()); }, 5000))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "page:\n" << html.toStdString() << "\nmodel:\n" << model.toStdString();
}

void PageFixture::saveScreenshot(const QString& name) const {
    runLoopFor(500); // the view draws a changed page a little later
    QDir().mkpath(QStringLiteral(ZEP_SOURCE_DIR "/artifacts"));
    window->widget()->grab().save(QStringLiteral(ZEP_SOURCE_DIR "/artifacts/") + name);
}

} // namespace browsertest
