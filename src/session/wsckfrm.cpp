#include "session/wsckfrm.h"
#include "core/AppContext.h"
#include "platform/Platform.h"
#include "wire/HeartbeatAnswerRecord.h"
#include "wire/PushLogonRecord.h"

namespace {
const QString LoggedInElsewhereText = QStringLiteral("您的账号已在另一个地方登陆，将停止您客户端资源更新");
}

wsckfrm::wsckfrm(AppContext& ctx)
    : Timer1(ctx.platform.loop(), KeepAliveMs, false), ctx_(ctx), socket_(ctx.platform.createSocket()),
      paced_(ctx.platform.loop(), [this] { return sink(); }), decoder_(paced_, ctx.HighestNewsId) {
    Timer1.onTimer = [this] { Timer1_Timer(); };
    socket_->onDataArrival = [this](const QByteArray& chunk) { Winsock1_DataArrival(chunk); };
    socket_->onError = [this](int n, const QString& d) { Winsock1_Error(n, d); };
    socket_->onClose = [this] { Winsock1_Close(); };
}

wsckfrm::~wsckfrm() = default;

void wsckfrm::Form_Load() {
    // Events run during the wait; one of them may unload this window.
    const std::shared_ptr<wsckfrm> self = ctx_.wsck.get() == this ? ctx_.wsck : nullptr;
    socket_->setRemoteHost(ctx_.server.address);
    socket_->setRemotePort(ctx_.server.pushPort);
    socket_->connect();
    if (!waitForConnection() || stopped_) return;
    if (socket_->state() == plat::Socket::Connected)
        msgpacket_send();
    else
        relogonNeeded_ = true; // never logged on: the first tick that finds it up does
    Timer1.setEnabled(true);
}

bool wsckfrm::waitForConnection() {
    plat::EventLoop& loop = ctx_.platform.loop();
    // A timer, so that a loop in virtual time moves on to the end of the wait.
    bool expired = false;
    const int timer = loop.setThreadTimer(FirstConnectWaitMs, [&expired] { expired = true; });
    const qint64 deadline = loop.nowMs() + FirstConnectWaitMs;
    while (ctx_.wsck.get() == this && !stopped_ && connecting() && !expired && loop.nowMs() < deadline)
        loop.pumpMessages();
    if (timer) loop.killThreadTimer(timer);
    return ctx_.wsck.get() == this;
}

bool wsckfrm::connecting() const {
    const int s = socket_->state();
    return s == plat::Socket::ResolvingHost || s == plat::Socket::HostResolved || s == plat::Socket::Connecting;
}

void wsckfrm::Form_Unload() {
    Timer1.setEnabled(false);
    closeSocket();
    // Items still waiting for their turn have no session left to hand them on.
    if (paced_.discard()) noteDropping();
}

void wsckfrm::msgpacket_send() {
    push::PushLogonRecord logon;
    logon.account = ctx_.CurrentAccount;
    logon.password = ctx_.CurrentPassword;
    logon.highestNewsId = ctx_.HighestNewsId;
    socket_->sendData(logon.build());
}

void wsckfrm::msg1021_send() {
    push::HeartbeatAnswerRecord answer;
    answer.highestNewsId = ctx_.HighestNewsId;
    socket_->sendData(answer.build());
}

void wsckfrm::Timer1_Timer() {
    if (socket_->state() != plat::Socket::Connected) {
        reconnect();
        return;
    }
    if (relogonNeeded_) {
        msgpacket_send();
        relogonNeeded_ = false;
    }
}

void wsckfrm::reconnect() {
    closeSocket();
    // The new connection cannot finish a record the old one left half done.
    cutter_.connectionRestarted();
    // The server knows a session only by its connection: a new connection that never
    // logged on stays connected and silent, so every reconnect owes the logon, not only
    // those after an abort or an unreachable host.
    relogonNeeded_ = true;
    socket_->setRemoteHost(ctx_.server.address);
    socket_->setRemotePort(ctx_.server.pushPort);
    socket_->connect();
}

void wsckfrm::Winsock1_DataArrival(const QByteArray& chunk) {
    // The logged-in-elsewhere box lets events run; one of them may unload this window.
    const std::shared_ptr<wsckfrm> self = ctx_.wsck.get() == this ? ctx_.wsck : nullptr;
    cutter_.examine(chunk);
}

void wsckfrm::Winsock1_Error(int number, const QString& description) {
    log(QStringLiteral("error %1: %2").arg(number).arg(description));
    if (number == plat::Socket::ConnectionAborted || number == plat::Socket::HostUnreachable) relogonNeeded_ = true;
}

void wsckfrm::Winsock1_Close() { closeSocket(); }

void wsckfrm::closeSocket() {
    if (socket_->state() != plat::Socket::Closed) socket_->close();
}

void wsckfrm::loggedInElsewhere() {
    closeSocket();
    Timer1.setEnabled(false);
    stopped_ = true;
    ctx_.platform.messageBox().show(LoggedInElsewhereText, plat::mb::OkOnly, ctx_.AppTitle);
}

push::PushSink* wsckfrm::sink() {
    if (!ctx_.pushSink) noteDropping();
    return ctx_.pushSink;
}

void wsckfrm::noteDropping() {
    if (droppingLogged_) return;
    droppingLogged_ = true;
    log(QStringLiteral("no main window takes the pushed records; they are dropped"));
}

void wsckfrm::log(const QString& message) { ctx_.platform.log().write(QStringLiteral("wsckfrm"), message); }
