#include "session/frmwinsock.h"
#include "core/AppContext.h"
#include "platform/Platform.h"
#include "session/AdapterList.h"
#include "wire/ClientIdRecord.h"
#include "wire/IdentityReportRecord.h"

namespace {
constexpr int HoldBeforeReportMs = 1000;
}

frmwinsock::frmwinsock(AppContext& ctx) : ctx_(ctx), Winsock1_(ctx.platform.createSocket()), clientIds_(ctx) {
    Winsock1_->setProtocol(plat::Socket::Protocol::Udp);
    Winsock1_->onDataArrival = [this](const QByteArray& d) { Winsock1_DataArrival(d); };
    Winsock1_->onClose = [this] { closeSocket(); };
}

frmwinsock::~frmwinsock() = default;

void frmwinsock::Form_Load() {
    Winsock1_->setRemoteHost(ctx_.server.address);
    Winsock1_->setRemotePort(ctx_.server.identityPort);
    Winsock1_->setLocalPort(ctx_.server.identityLocalPort);
    Winsock1_->bind(ctx_.server.identityLocalPort);
    ctx_.platform.loop().holdThread(HoldBeforeReportMs);
    if (Winsock1_->state() == plat::Socket::Open) msgpacket_send();
}

void frmwinsock::Form_Unload() { closeSocket(); }

void frmwinsock::msgpacket_send() {
    push::IdentityReportRecord report;
    report.adapters = LocalMACAddress();
    if (report.adapters.isEmpty()) return;
    report.clientId = clientIds_.read();
    report.version = ctx_.ProgramVersion;
    Winsock1_->sendData(report.build());
}

QString frmwinsock::LocalMACAddress() const {
    return push::AdapterList::format(ctx_.platform.shell().networkAdapters());
}

void frmwinsock::Winsock1_DataArrival(const QByteArray& datagram) {
    const auto reply = push::ClientIdRecord::parse(datagram);
    if (!reply) return;
    if (reply->isAssignment() && reply->store) clientIds_.store(reply->clientId);
    // One exchange per run.
    closeSocket();
}

void frmwinsock::closeSocket() {
    if (Winsock1_->state() != plat::Socket::Closed) Winsock1_->close();
}
