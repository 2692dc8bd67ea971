#pragma once
#include "core/Form.h"
#include "platform/loop/WindowTimer.h"
#include "session/ClientIdStore.h"
#include "session/HeadlessLogin.h"
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <memory>

struct AppContext;
class DialogCanvas;
namespace plat {
class CheckBox;
class ImageBox;
class Label;
class Socket;
class TextBox;
class Window;
} // namespace plat
namespace push {
struct LoginReplyRecord;
}

// The login dialog: sends account and password to the login server over UDP, reports the
// answer, remembers the login when asked and logs in by itself when loaded with a
// remembered login. A success publishes the session values and starts the push session.
class Form1 : public Form {
public:
    explicit Form1(AppContext& ctx);
    ~Form1() override;

    // Builds the dialog (hidden), binds the login socket and logs in by itself when a login
    // is remembered, unless the user opened the dialog.
    void Form_Load() override;
    void Form_Unload() override;

    // Shows the dialog; without a display it waits on the terminal instead.
    void Show();
    bool Visible() const;
    plat::Window& window() { return *window_; }

    // Sends the login request with the typed account and password.
    void msgpacket_send();
    // The login button and the Enter key.
    void Image2_Click();
    // The login time-out.
    void Timer1_Timer();

    plat::TextBox* Text1 = nullptr;   // account
    plat::TextBox* Text2 = nullptr;   // password
    plat::CheckBox* Check1 = nullptr; // remember me
    plat::ImageBox* Image1 = nullptr; // close button
    plat::ImageBox* Image2 = nullptr; // login button
    plat::ImageBox* Image4 = nullptr; // drag area
    plat::Label* Label3 = nullptr;    // forgotten password
    plat::Label* Label4 = nullptr;    // register
    plat::Label* Label5 = nullptr;    // account hint
    plat::Label* Label6 = nullptr;    // password hint
    plat::Label* Label7 = nullptr;    // status line
    plat::WindowTimer Timer1;
    std::unique_ptr<plat::Socket> Winsock1;

private:
    void buildWindow();
    void wireEvents();
    QString rememberPath() const;
    void autoLogin();
    // The dialog now waits for its user (shown, or a failure or time-out shown on it).
    void waitsForUser();
    void send();
    void Winsock1_DataArrival(const QByteArray& datagram);
    void failed(const push::LoginReplyRecord& reply);
    void succeeded(const push::LoginReplyRecord& reply);
    void remember();
    void showCalendarDay();
    void Label3_Click();
    void Label4_Click();
    void hoverOff();
    void unloadMe();
    void log(const QString& message) const;

    AppContext& ctx_;
    std::unique_ptr<plat::Window> window_;
    std::unique_ptr<DialogCanvas> canvas_;
    push::ClientIdStore clientIds_;
    int32_t clientId_ = 0;
    int16_t rememberFlag_ = 0;
    std::unique_ptr<HeadlessLogin> headless_; // on a run without a display
};
