// The "res" scheme as the real pages use it: both pages, their style sheet, script and
// images come from inside the executable, by relative and root-relative references in any
// case, with the right charset.
#include "BrowserTesting.h"

using namespace browsertest;

namespace {

// Loads each reference as an image from inside the page; its natural width, -1 when it failed.
QVariantMap probeImages(QWebEnginePage* page, const QStringList& references) {
    runJs(page, QStringLiteral("window.__probe = {}; %1.forEach(function (u) { var i = new Image();"
                               " i.onload = function () { __probe[u] = i.naturalWidth; };"
                               " i.onerror = function () { __probe[u] = -1; }; i.src = u; });")
                    .arg(QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(references)).toJson())));
    waitUntil([&] { return runJs(page, QStringLiteral("Object.keys(__probe).length")).toInt() == references.size(); },
              10000);
    return runJs(page, QStringLiteral("__probe")).toMap();
}

QStringList unloadedImages(QWebEnginePage* page) {
    return runJs(page, QStringLiteral("Array.prototype.filter.call(document.images, function (i) {"
                                      " return !i.complete || !i.naturalWidth; }).map(function (i) { return i.src; })"))
        .toStringList();
}

void expectAllLoaded(const QVariantMap& probes) {
    for (auto it = probes.begin(); it != probes.end(); ++it) EXPECT_GT(it.value().toInt(), 0) << it.key().toStdString();
}

class ResScheme : public PageFixture {};

} // namespace

TEST_F(ResScheme, MainPageGetsItsStyleSheetScriptAndImagesInItsCharset) {
    ASSERT_NO_FATAL_FAILURE(open(S("ruzezaro.htm"), QSize(1100, 720)));
    EXPECT_EQ(runJs(page(), S("document.characterSet")).toString(), S("GBK"));
    EXPECT_EQ(runJs(page(), S("document.title")).toString(), S("Quenra极速版"));
    EXPECT_EQ(runJs(page(), S("getComputedStyle(document.body).backgroundColor")).toString(), S("rgb(238, 242, 247)"))
        << "public.css";
    EXPECT_EQ(runJs(page(), S("typeof KeyDown + ' ' + typeof Element.prototype.fireEvent")).toString(),
              S("function function"))
        << "common.js";
    EXPECT_EQ(unloadedImages(page()), QStringList());
    expectAllLoaded(probeImages(page(), {S("2x.png"), S("./CONTROL.PNG"), S("/logo.png"), S("Ldata.gif"), S("warn.gif"),
                                         S("calendar_bg.gif"), S("header_line.png"), S("triangle.png"),
                                         S("submit_button.png"), S("arrow-l.gif"), S("ARROW-R.GIF")}));
    EXPECT_EQ(probeImages(page(), {S("nosuch.png")}).value(S("nosuch.png")).toInt(), -1);
}

TEST_F(ResScheme, PopupPageGetsItsScriptAndImagesAsUtf8) {
    ASSERT_NO_FATAL_FAILURE(open(S("iPopup.htm"), QSize(282, 320), plat::WindowKind::Popup));
    EXPECT_EQ(runJs(page(), S("document.characterSet")).toString(), S("UTF-8"));
    EXPECT_EQ(runJs(page(), S("document.title")).toString(), S("Quenra极速版速递"));
    EXPECT_EQ(runJs(page(), S("typeof KeyDown")).toString(), S("function")) << "common.js";
    EXPECT_EQ(unloadedImages(page()), QStringList());
    expectAllLoaded(
        probeImages(page(), {S("bxx.png"), S("POPCC.JPG"), S("/popup_caption.gif"), S("./Bt01_Normal.gif")}));
}
