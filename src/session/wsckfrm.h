#pragma once
#include "core/Form.h"
#include "platform/loop/WindowTimer.h"
#include "session/PacedPushSink.h"
#include "wire/PushDecoder.h"
#include "wire/PushRecordHandler.h"
#include "wire/PushSink.h"
#include "wire/PushStreamCutter.h"
#include <QByteArray>
#include <memory>

struct AppContext;
namespace plat {
class Socket;
}

// The push session: one TCP connection to the push server that logs on with the session's
// account, answers the server's heartbeat probes, keeps itself connected with a 10 s
// keep-alive check and hands news, calendar days and quotes to the main window. The notice
// that the account logged in elsewhere stops it for good.
class wsckfrm : public Form, private push::PushRecordHandler {
public:
    // How long the load waits for the first connection before leaving it to the keep-alive.
    static constexpr int FirstConnectWaitMs = 5000;
    static constexpr int KeepAliveMs = 10000;

    explicit wsckfrm(AppContext& ctx);
    ~wsckfrm() override;

    // Connects, waits (the loop running) for the connection and logs on.
    void Form_Load() override;
    void Form_Unload() override;

    // The push logon with the session's account, password and the highest news id.
    void msgpacket_send();
    // The heartbeat answer with the highest news id.
    void msg1021_send();
    // The keep-alive check.
    void Timer1_Timer();

    // The push connection; the feedback page sends on it while it is connected (state 7).
    plat::Socket& Winsock1() { return *socket_; }
    // True after the server said the account logged in elsewhere.
    bool stopped() const { return stopped_; }

    plat::WindowTimer Timer1;

private:
    void reconnect();
    // False when the window was unloaded during the wait.
    bool waitForConnection();
    bool connecting() const;
    void Winsock1_DataArrival(const QByteArray& chunk);
    void Winsock1_Error(int number, const QString& description);
    void Winsock1_Close();
    void closeSocket();

    // The records the stream cutter finds.
    void newsFlash(QByteArrayView record) override { decoder_.news_analysis(record); }
    void calendarDay(QByteArrayView record) override { decoder_.byte_strcv(record); }
    void quoteBatch(QByteArrayView record) override { decoder_.quote_batch(record); }
    void loggedInElsewhere() override;
    void heartbeatProbe() override { msg1021_send(); }

    // The main window, or nullptr (logged once) when there is none to take the decoded items.
    push::PushSink* sink();
    void noteDropping();

    void log(const QString& message);

    AppContext& ctx_;
    std::unique_ptr<plat::Socket> socket_;
    push::PushStreamCutter cutter_{*this};
    // The decoded items, paced on to the main window.
    PacedPushSink paced_;
    push::PushDecoder decoder_;
    bool relogonNeeded_ = false;
    bool stopped_ = false;
    bool droppingLogged_ = false;
};
