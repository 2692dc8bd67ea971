#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

namespace plat {

// A socket control in the manner of the Winsock control.
class Socket {
public:
    enum class Protocol { Tcp, Udp };
    // The control's state values; the program uses 0, 1 and 7.
    enum State {
        Closed = 0,
        Open = 1,
        Listening = 2,
        ConnectionPending = 3,
        ResolvingHost = 4,
        HostResolved = 5,
        Connecting = 6,
        Connected = 7,
        Closing = 8,
        Error = 9
    };
    // Error numbers the program tells apart; every other platform error is reported as
    // GenericError with the platform's description.
    static constexpr int ConnectionAborted = 10053;
    static constexpr int HostUnreachable = 10065;
    static constexpr int ConnectionRefused = 10061;
    static constexpr int GenericError = 10000;

    virtual ~Socket() = default;

    virtual void setProtocol(Protocol p) = 0;
    virtual Protocol protocol() const = 0;
    virtual void setRemoteHost(const QString& host) = 0;
    virtual QString remoteHost() const = 0;
    virtual void setRemotePort(int port) = 0;
    virtual int remotePort() const = 0;
    virtual void setLocalPort(int port) = 0;
    virtual int localPort() const = 0;

    virtual void connect() = 0;           // TCP: to the remote host and port
    virtual void bind(int localPort) = 0; // UDP: state becomes Open on success
    virtual void close() = 0;
    virtual void sendData(const QByteArray& bytes) = 0; // UDP: one datagram to the remote
    virtual int state() const = 0;

    // Every waiting byte (TCP) or one datagram (UDP).
    std::function<void(const QByteArray& chunk)> onDataArrival;
    std::function<void(int number, const QString& description)> onError;
    std::function<void()> onClose; // the peer closed the connection
    std::function<void()> onConnect;
};

} // namespace plat
