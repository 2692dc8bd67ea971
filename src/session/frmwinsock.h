#pragma once
#include "core/Form.h"
#include "session/ClientIdStore.h"
#include <QByteArray>
#include <QString>
#include <memory>

struct AppContext;
namespace plat {
class Socket;
}

// The identity window: once per run it reports the client id, the machine's adapter
// addresses and the client version to the identity server over UDP, and keeps the id the
// server answers with.
class frmwinsock : public Form {
public:
    explicit frmwinsock(AppContext& ctx);
    ~frmwinsock() override;

    // Binds the identity socket, holds the thread for a second, then sends the report.
    void Form_Load() override;
    void Form_Unload() override;

    // Sends the identity report when the machine has an adapter address to report.
    void msgpacket_send();
    // The qualifying adapters' addresses, one per line; empty when there are none.
    QString LocalMACAddress() const;

    plat::Socket& Winsock1() { return *Winsock1_; }

private:
    void Winsock1_DataArrival(const QByteArray& datagram);
    void closeSocket();

    AppContext& ctx_;
    std::unique_ptr<plat::Socket> Winsock1_;
    push::ClientIdStore clientIds_;
};
