// resgen OUTDIR PAGESDIR: draws every picture and sound of the program into OUTDIR and
// writes OUTDIR/zep.qrc, which embeds the hand-written pages of PAGESDIR and the page images.
#include "BrandArt.h"
#include "Brand.h"
#include "ButtonArt.h"
#include "Canvas.h"
#include "ChimeSynth.h"
#include "GlyphArt.h"
#include "PageArt.h"
#include "ResourceWriter.h"
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

namespace {

using Place = ResourceWriter::Place;
constexpr int kSampleRate = 44100;

void writePages(ResourceWriter& w, const QString& pagesDir) {
    const QDir dir(pagesDir);
    const QStringList pages =
        dir.entryList({QStringLiteral("*.htm"), QStringLiteral("*.css"), QStringLiteral("*.js")}, QDir::Files);
    if (pages.isEmpty()) throw std::runtime_error("no pages in " + pagesDir.toStdString());
    for (const QString& page : pages) w.embedPage(dir.filePath(page));
}

void writePageImages(ResourceWriter& w) {
    const QColor white(Qt::white);
    w.png(Place::Page, QStringLiteral("logo.png"), BrandArt::logo());
    w.png(Place::Page, QStringLiteral("2x.png"), PageArt::windowStrip(false));
    w.png(Place::Page, QStringLiteral("control.png"), PageArt::windowStrip(true));
    w.gif(Place::Page, QStringLiteral("warn.gif"), {PageArt::warning()}, white);
    w.gif(Place::Page, QStringLiteral("ldata.gif"), PageArt::loadingFrames(), white, 10);
    w.gif(Place::Page, QStringLiteral("calendar_bg.gif"), {PageArt::calendarTabStrip()}, white);
    w.png(Place::Page, QStringLiteral("header_line.png"), PageArt::headerShadow());
    w.png(Place::Page, QStringLiteral("triangle.png"), PageArt::bullet());
    w.png(Place::Page, QStringLiteral("submit_button.png"), PageArt::smallButton());
    w.gif(Place::Page, QStringLiteral("arrow-l.gif"), {PageArt::arrow(true)}, brand::quoteHandle);
    w.gif(Place::Page, QStringLiteral("arrow-r.gif"), {PageArt::arrow(false)}, brand::quoteHandle);
    w.gif(Place::Page, QStringLiteral("bt01_normal.gif"), {PageArt::popupClose()}, QColor(0xe9, 0xef, 0xf7));
    w.png(Place::Page, QStringLiteral("bxx.png"), PageArt::captionBand());
    w.gif(Place::Page, QStringLiteral("popup_caption.gif"), {BrandArt::popupCaption()}, white);
    w.jpg(Place::Page, QStringLiteral("popcc.jpg"), PageArt::popupBody());
}

// A normal and a highlighted face under their two file names.
void pair(ResourceWriter& w, const QString& normal, const QString& hover, const std::function<QImage(bool)>& draw,
          const QColor& matte = brand::dialogBody) {
    w.gif(Place::DialogImage, normal, {draw(false)}, matte);
    w.gif(Place::DialogImage, hover, {draw(true)}, matte);
}

void textPair(ResourceWriter& w, const QString& normal, const QString& hover, const QString& label,
              ButtonArt::Kind kind) {
    pair(w, normal, hover, [&](bool h) { return ButtonArt::text(76, 28, label, kind, h); });
}

void tabPair(ResourceWriter& w, const QString& stem, const QString& label, const ButtonArt::Glyph& glyph) {
    pair(w, stem + QStringLiteral("1.gif"), stem + QStringLiteral("2.gif"),
         [&](bool active) { return ButtonArt::tab(120, 34, label, glyph, active); });
}

void writeDialogImages(ResourceWriter& w) {
    using K = ButtonArt::Kind;
    pair(w, QStringLiteral("load1.gif"), QStringLiteral("load2.gif"),
         [](bool h) { return ButtonArt::text(180, 34, QStringLiteral("登录"), K::Primary, h); });
    pair(w, QStringLiteral("close_button1.gif"), QStringLiteral("close_button2.gif"), &ButtonArt::close, brand::header);
    tabPair(w, QStringLiteral("newsgather"), QStringLiteral("资讯速递"), &GlyphArt::newsSheet);
    tabPair(w, QStringLiteral("financalender"), QStringLiteral("财经日历"), &GlyphArt::calendar);
    tabPair(w, QStringLiteral("quotcenter"), QStringLiteral("行情中心"), &GlyphArt::trend);
    pair(w, QStringLiteral("sound.gif"), QStringLiteral("sound1.gif"), &ButtonArt::sound);
    textPair(w, QStringLiteral("setok1.gif"), QStringLiteral("setok.gif"), QStringLiteral("确定"), K::Primary);
    textPair(w, QStringLiteral("setcancel.gif"), QStringLiteral("setcancel1.gif"), QStringLiteral("取消"),
             K::Secondary);
    textPair(w, QStringLiteral("setapply.gif"), QStringLiteral("setapply1.gif"), QStringLiteral("应用"), K::Secondary);
    w.gif(Place::DialogImage, QStringLiteral("login_bg.gif"), {BrandArt::dialogBackground(360, 250)},
          brand::dialogBody);
    w.gif(Place::DialogImage, QStringLiteral("set_bg.gif"), {BrandArt::dialogBackground(500, 360)}, brand::dialogBody);
}

// The about and feedback dialog: its page tabs, the feedback's submit and back, the link to
// the function introduction and its background (the close button is the login dialog's).
void writeAboutImages(ResourceWriter& w) {
    using K = ButtonArt::Kind;
    tabPair(w, QStringLiteral("about"), QStringLiteral("关于"), &GlyphArt::info);
    tabPair(w, QStringLiteral("ideaback"), QStringLiteral("意见反馈"), &GlyphArt::speechBubble);
    textPair(w, QStringLiteral("submit1.gif"), QStringLiteral("submit2.gif"), QStringLiteral("提交"), K::Primary);
    textPair(w, QStringLiteral("back1.gif"), QStringLiteral("back.gif"), QStringLiteral("返回"), K::Secondary);
    pair(w, QStringLiteral("fun_introduce1.gif"), QStringLiteral("fun_introduce2.gif"),
         [](bool h) { return ButtonArt::withGlyph(104, 28, QStringLiteral("功能介绍"), &GlyphArt::bulb, h); });
    w.gif(Place::DialogImage, QStringLiteral("about_bg.gif"), {BrandArt::dialogBackground(460, 330)},
          brand::dialogBody);
}

void writeIcons(ResourceWriter& w) {
    for (int size : {16, 20, 24, 32, 40, 48, 64, 96, 128, 256}) {
        w.png(Place::Icon, QStringLiteral("Zavez_ZEP_%1.png").arg(size), BrandArt::appIcon(size));
    }
    // The desktop entry takes the largest picture in icons/; launchers on dense screens want 512.
    w.png(Place::Icon, QStringLiteral("Zavez_ZEP.png"), BrandArt::appIcon(512));
}

void writeSounds(ResourceWriter& w) {
    const ChimeSynth::Timbre bell{
        {1.0, 1.0, 0.55}, {2.0, 0.45, 0.3}, {3.0, 0.18, 0.18}, {4.2, 0.1, 0.1}, {5.4, 0.05, 0.07}};
    const ChimeSynth::Timbre marimba{{1.0, 1.0, 0.25}, {4.0, 0.3, 0.06}, {9.9, 0.08, 0.02}};
    const ChimeSynth::Timbre glass{{1.0, 1.0, 0.7}, {2.76, 0.28, 0.25}, {5.4, 0.12, 0.1}, {8.9, 0.05, 0.05}};

    ChimeSynth band(kSampleRate, 1.0); // "ding-dong": a rising fifth
    band.addNote(0.0, 659.26, 0.9, bell);
    band.addNote(0.16, 987.77, 1.0, bell);
    w.wav(QStringLiteral("Band.wav"), band.render(), kSampleRate);

    ChimeSynth news(kSampleRate, 0.75); // a quick major arpeggio
    news.addNote(0.0, 1046.5, 0.8, marimba);
    news.addNote(0.085, 1318.5, 0.85, marimba);
    news.addNote(0.17, 1568.0, 1.0, marimba);
    w.wav(QStringLiteral("News.wav"), news.render(), kSampleRate);

    ChimeSynth notify(kSampleRate, 1.3); // a soft glass "pling"
    notify.addNote(0.0, 880.0, 1.0, glass);
    notify.addNote(0.07, 1318.5, 0.45, glass);
    notify.addNote(0.07, 1760.0, 0.15, glass);
    w.wav(QStringLiteral("SSNotify.wav"), notify.render(), kSampleRate);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: resgen OUTDIR PAGESDIR\n");
        return 2;
    }
    if (!Canvas::loadFont()) {
        std::fprintf(stderr, "resgen: the font WenQuanYi Micro Hei is missing (fonts-wqy-microhei)\n");
        return 1;
    }
    try {
        ResourceWriter w(QString::fromLocal8Bit(argv[1]));
        writePages(w, QString::fromLocal8Bit(argv[2]));
        writePageImages(w);
        writeDialogImages(w);
        writeAboutImages(w);
        writeIcons(w);
        writeSounds(w);
        w.finish();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "resgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
