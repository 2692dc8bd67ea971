#pragma once
// The program as a news flash or a calendar day meets it once logged in: a scratch
// installation with the popup and its sound enabled, the controller loaded (whose live
// update finds no server and opens the main window), and the push session's cutter and
// decoder feeding the main window through its pacing, as wsckfrm does on a data-arrival event.
#include "core/AppContext.h"
#include "app/frmMain.h"
#include "config/cls_Config.h"
#include "mainwindow/frmFXInfo.h"
#include "notify/frmPopUp.h"
#include "platform/Platform.h"
#include "platform/browser/Browser.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include "session/PacedPushSink.h"
#include "wire/NewsFlashRecord.h"
#include "wire/PushDecoder.h"
#include "wire/PushStreamCutter.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class NewsClient : public push::PushRecordHandler {
public:
    // pump: lets the loop run once; used until the main page has loaded and while items wait
    // for their turn.
    NewsClient(plat::Platform& platform, std::function<void()> pump) : ctx_(platform), pump_(std::move(pump)) {
        const QString app = dir_.path() + u'/';
        QDir().mkpath(app + QStringLiteral("Sound"));
        write(app + QStringLiteral("ZEP.xml"), config());
        write(app + QStringLiteral("Sound/ding.wav"), "chime");
        ctx_.AppPath = app;
        ctx_.PageBase = QStringLiteral("res://") + app + QStringLiteral("Zavez_ZEP.exe/");
        ctx_.server.webSite = QStringLiteral("http://127.0.0.1:9");
        ctx_.server.fileServer = QStringLiteral("http://127.0.0.1:9");
        ctx_.Config = std::make_shared<cls_Config>(platform);
        ctx_.Config->setXmlFile(app + QStringLiteral("ZEP.xml"));
        ctx_.Config->Initialize();
        ctx_.PopupEnabled = true;
        // No stay: the popup shows until closed, keeping its ten rows however long a run takes.
        ctx_.PopupStayTime = QString();
        ctx_.PopupSoundFile = QStringLiteral("ding.wav");
        ctx_.load(ctx_.mainCtl);
        while (!ctx_.fxInfo || ctx_.fxInfo->Busy()) pump_();
        paced_ = std::make_unique<PacedPushSink>(platform.loop(), [this] { return ctx_.pushSink; });
        decoder_ = std::make_unique<push::PushDecoder>(*paced_, ctx_.HighestNewsId);
    }

    // A flash the list has not seen: the seen list keeps time and title.
    static QByteArray flash(int id) {
        return push::NewsFlashRecord{QStringLiteral("100"),
                                     QStringLiteral("现货黄金短线拉升10美元，现报2045.30美元/盎司 第%1条").arg(id), id,
                                     QStringLiteral("2026-12-%1 %2:%3:05")
                                         .arg(1 + id % 28, 2, 10, QChar('0'))
                                         .arg(id % 24, 2, 10, QChar('0'))
                                         .arg(id % 60, 2, 10, QChar('0')),
                                     static_cast<uint8_t>(id % 2 ? '1' : '0')}
            .build();
    }

    // The record's bytes as one data-arrival event; what the turn's budget leaves waits for
    // later turns of the loop.
    void arrive(const QByteArray& bytes) { cutter_.examine(bytes); }
    // Whether decoded items still wait for their turn.
    bool pending() const { return paced_->pending(); }
    // One data-arrival event, then the loop's turns until every item is handed on.
    void arriveAll(const QByteArray& bytes) {
        arrive(bytes);
        while (pending()) pump_();
    }
    AppContext& context() { return ctx_; }
    dom::Element& listTable() { return table(ctx_.fxInfo->WebBrowser(), "firstpage_table"); }
    int listRows() { return static_cast<int>(listTable().rows().size()); }
    // Quote rows below the caption and the headings.
    int quoteRows() { return static_cast<int>(table(ctx_.fxInfo->WebBrowser(), "QuoteList").rows().size()) - 2; }
    int popupRows() {
        return ctx_.popup ? static_cast<int>(table(ctx_.popup->WebBrowser(), "popupWin_Table").rows().size()) : 0;
    }

private:
    static dom::Element& table(plat::Browser* browser, const char* id) {
        return *browser->document()->getElementById(QString::fromLatin1(id));
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    }
    static QByteArray config() {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<App><Settings><ZEP>"
               "<Popup staytime=\"\" SoundFile=\"ding.wav\" Checked=\"1\"/>"
               "<FXCalendar staytime=\"2m\" NotifyTime=\"5\"/><currency/>"
               "<Server Address=\"127.0.0.1\" PushPort=\"9\" LoginPort=\"9\" LoginLocalPort=\"0\" IdentityPort=\"9\""
               " IdentityLocalPort=\"0\" WebSite=\"http://127.0.0.1:9\" FileServer=\"http://127.0.0.1:9\""
               " ProductSite=\"http://127.0.0.1:9\" MakerSite=\"http://127.0.0.1:9\"/>"
               "</ZEP></Settings><FXCalendar DateFrom=\"\"><Week1 Event=\"\"/><Week2 Event=\"\"/>"
               "<Week3 Event=\"\"/><Week4 Event=\"\"/><Week5 Event=\"\"/></FXCalendar>"
               "<Window><ZEP_Main Left=\"100\" Top=\"60\" Width=\"1020\" Height=\"700\"/>"
               "<ZEP_state windstate=\"0\"/></Window></App>\n";
    }

    void newsFlash(QByteArrayView r) override { decoder_->news_analysis(r); }
    void calendarDay(QByteArrayView r) override { decoder_->byte_strcv(r); }
    void quoteBatch(QByteArrayView r) override { decoder_->quote_batch(r); }
    void loggedInElsewhere() override {}
    void heartbeatProbe() override {}

    QTemporaryDir dir_;
    AppContext ctx_;
    std::function<void()> pump_;
    std::unique_ptr<PacedPushSink> paced_;
    std::unique_ptr<push::PushDecoder> decoder_;
    push::PushStreamCutter cutter_{*this};
};
