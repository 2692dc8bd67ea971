#include "session/Form1.h"
#include "core/AppContext.h"
#include "core/DialogCanvas.h"
#include "core/FileHelpers.h"
#include "config/cls_Config.h"
#include "platform/Platform.h"
#include "wire/LoginReplyRecord.h"
#include "wire/LoginRequestRecord.h"
#include "session/LoginSink.h"
#include "wire/RememberFile.h"
#include "session/wsckfrm.h"
#include <QFile>
#include "base/AtomicFile.h"

namespace {

constexpr int TimeoutMs = 10000;
constexpr int HoldAfterLoginMs = 1000;
constexpr int EnterKey = 13;
constexpr QSize DialogSize(360, 250); // the size of its background picture

constexpr uint32_t LinkColor = DialogCanvas::LinkColor;
constexpr uint32_t Label3HoverColor = 0x900A00; // RGB(144, 10, 0)
constexpr uint32_t Label4HoverColor = 0x8C0A00; // RGB(140, 10, 0)
constexpr uint32_t BodyColor = 0xF5F8FC;
constexpr uint32_t TitleColor = DialogCanvas::TitleColor;
constexpr uint32_t TextColor = DialogCanvas::TextColor;
constexpr uint32_t HintColor = DialogCanvas::WarningColor;
constexpr uint32_t StatusColor = DialogCanvas::StatusColor;

const QString Sending = QStringLiteral("正在为您登陆，请稍等...");
const QString NoAccount = QStringLiteral("请输入您注册时的邮箱或者手机号码");
const QString NoPassword = QStringLiteral("请输入密码");
const QString TimedOut = QStringLiteral("登陆超时,请重新登陆");
const QString WrongPassword = QStringLiteral("密码不正确");
const QString NotActivated = QStringLiteral("账户未激活，请登陆该邮箱，点击收到的ＺＥＰ注册链接激活");
const QString UnknownAccount = QStringLiteral("若已成功注册，请检查邮箱输入是否正确");
const QString Requesting = QStringLiteral("正在为您请求服务，如果长时间未响应，请再次点击登陆");

} // namespace

Form1::Form1(AppContext& ctx)
    : Timer1(ctx.platform.loop(), TimeoutMs, false), Winsock1(ctx.platform.createSocket()), ctx_(ctx), clientIds_(ctx) {
    Timer1.onTimer = [this] { Timer1_Timer(); };
    Winsock1->setProtocol(plat::Socket::Protocol::Udp);
    Winsock1->onDataArrival = [this](const QByteArray& d) { Winsock1_DataArrival(d); };
}

Form1::~Form1() = default;

void Form1::Form_Load() {
    buildWindow();
    window_->setTopmost(true);
    clientId_ = clientIds_.read();
    Winsock1->setRemoteHost(ctx_.server.address);
    Winsock1->setRemotePort(ctx_.server.loginPort);
    Winsock1->setLocalPort(ctx_.server.loginLocalPort);
    Winsock1->bind(ctx_.server.loginLocalPort);
    if (plat::Terminal* terminal = ctx_.platform.terminal())
        headless_ = std::make_unique<HeadlessLogin>(ctx_, *this, *terminal);
    autoLogin();
}

void Form1::buildWindow() {
    window_ = ctx_.platform.createWindow(plat::WindowKind::Dialog);
    window_->setTitle(QStringLiteral("用户登录 - ") + ctx_.AppTitle);
    window_->setBackgroundColor(BodyColor);
    canvas_ = std::make_unique<DialogCanvas>(*window_, ctx_.AppPath + QStringLiteral("image/"));
    window_->setBackgroundImage(canvas_->imagePath(QStringLiteral("login_bg.gif")));
    canvas_->centre(DialogSize, ctx_.platform.screen().workArea());

    // The title strip of the background (its mark at the left): pressing the mouse on it
    // drags the window.
    Image4 = canvas_->image(QRect(0, 0, DialogSize.width(), 32), QString());
    plat::Label* title =
        canvas_->label(QRect(36, 7, 240, 20), ctx_.AppTitle + QStringLiteral(" 用户登录"), TitleColor, 10, true);
    title->onMouseDown = [this] { window_->startSystemMove(); };
    Image1 = canvas_->button(QRect(329, 4, 30, 24), QStringLiteral("close_button1.gif"),
                             QStringLiteral("close_button2.gif"));

    canvas_->label(QRect(28, 54, 56, 20), QStringLiteral("账  号："), TextColor);
    Text1 = window_->createTextBox();
    Text1->setGeometry(QRect(88, 50, 200, 24));
    Label5 = canvas_->label(QRect(88, 76, 256, 16), QString(), HintColor, 8);

    canvas_->label(QRect(28, 100, 56, 20), QStringLiteral("密  码："), TextColor);
    Text2 = window_->createTextBox();
    Text2->setGeometry(QRect(88, 96, 200, 24));
    Text2->setPassword(true);
    Label6 = canvas_->label(QRect(88, 122, 256, 16), QString(), HintColor, 8);

    Check1 = window_->createCheckBox();
    Check1->setGeometry(QRect(88, 142, 80, 20));
    Check1->setCaption(QStringLiteral("记住我"));
    Label3 = canvas_->label(QRect(184, 144, 70, 18), QStringLiteral("忘记密码?"), LinkColor);
    Label4 = canvas_->label(QRect(260, 144, 80, 18), QStringLiteral("注册新用户"), LinkColor);
    Label3->setHandCursor(true);
    Label4->setHandCursor(true);

    Image2 = canvas_->button(QRect(90, 172, 180, 34), QStringLiteral("load1.gif"), QStringLiteral("load2.gif"));
    Image2->setHandCursor(true);
    Label7 = canvas_->label(QRect(12, 216, 336, 20), QString(), StatusColor);
    wireEvents();
}

void Form1::wireEvents() {
    Image4->onMouseDown = [this] { window_->startSystemMove(); };
    Image1->onClick = [this] { unloadMe(); };
    Image2->onClick = [this] { Image2_Click(); };
    window_->onKeyDown = [this](int key) {
        if (key == EnterKey) Image2_Click();
    };
    Label3->onClick = [this] { Label3_Click(); };
    Label4->onClick = [this] { Label4_Click(); };
    Text1->onClick = [this] {
        Label5->setText(QString());
        Label7->setText(QString());
    };
    const auto clearPasswordHints = [this] {
        Label6->setText(QString());
        Label7->setText(QString());
    };
    Text2->onClick = clearPasswordHints;
    Text2->onGotFocus = clearPasswordHints;
    Label3->onMouseMove = [this] { Label3->setForeColor(Label3HoverColor); };
    Label4->onMouseMove = [this] { Label4->setForeColor(Label4HoverColor); };
    window_->onMouseMove = [this] { hoverOff(); };
}

void Form1::hoverOff() {
    Label3->setForeColor(LinkColor);
    Label4->setForeColor(LinkColor);
    canvas_->hoverOff();
}

QString Form1::rememberPath() const { return ctx_.Folders.userFile(ctx_, QStringLiteral("registry")); }

void Form1::Form_Unload() {
    Timer1.setEnabled(false);
    if (Winsock1->state() != plat::Socket::Closed) Winsock1->close();
    ctx_.LoginDialogOpen = false;
    if (window_) window_->hide();
}

void Form1::Show() {
    window_->show();
    waitsForUser();
}

void Form1::waitsForUser() {
    if (headless_) headless_->waiting();
}

bool Form1::Visible() const { return window_->isVisible(); }

void Form1::autoLogin() {
    QFile file(rememberPath());
    if (!file.open(QIODevice::ReadOnly)) return;
    const auto login = push::RememberFile::parse(file.readAll());
    if (!login) return;
    Check1->setValue(login->flag);
    Text1->setText(login->account);
    Text2->setText(login->password);
    if (Winsock1->state() == plat::Socket::Open && !ctx_.ManualLogin) {
        rememberFlag_ = 1;
        send();
    }
}

void Form1::Image2_Click() {
    if (Text1->text().isEmpty()) {
        Label5->setText(NoAccount);
        return;
    }
    if (Text2->text().isEmpty()) {
        Label6->setText(NoPassword);
        return;
    }
    rememberFlag_ = static_cast<int16_t>(Check1->value());
    if (Winsock1->state() == plat::Socket::Open) send();
}

void Form1::send() {
    // Enabling restarts the count: a second request gets its own ten seconds.
    Timer1.setEnabled(true);
    msgpacket_send();
}

void Form1::msgpacket_send() {
    push::LoginRequestRecord request;
    request.account = Text1->text();
    request.password = Text2->text();
    request.clientId = clientId_;
    Winsock1->sendData(request.build());
    Label7->setText(Sending);
}

void Form1::Timer1_Timer() {
    Label7->setText(TimedOut);
    ctx_.LoginDialogOpen = true;
    if (!Visible()) {
        ctx_.ManualLogin = true;
        Show();
    }
    Timer1.setEnabled(false);
    waitsForUser();
}

void Form1::Winsock1_DataArrival(const QByteArray& datagram) {
    Timer1.setEnabled(false);
    const auto reply = push::LoginReplyRecord::parse(datagram);
    if (!reply) return;
    ctx_.CurrentNickname = reply->nickname;
    if (!reply->isLoginReply()) return;
    if (reply->result == push::LoginReplyRecord::Success)
        succeeded(*reply);
    else
        failed(*reply);
}

void Form1::failed(const push::LoginReplyRecord& reply) {
    switch (reply.result) {
    case push::LoginReplyRecord::WrongPassword:
        Label7->setText(QString());
        Label6->setText(WrongPassword);
        break;
    case push::LoginReplyRecord::NotActivated:
        Label7->setText(NotActivated);
        break;
    case push::LoginReplyRecord::NoAccount:
        Label7->setText(QString());
        Label5->setText(UnknownAccount);
        break;
    default:
        return; // an answer this client does not know
    }
    if (!Visible()) Show();
    ctx_.LoggedIn = 0;
    waitsForUser();
}

void Form1::succeeded(const push::LoginReplyRecord& reply) {
    // The dialog unloads itself at the end, and loading the push session lets other events
    // run meanwhile (one of which may unload the dialog): it stays alive until done here.
    const std::shared_ptr<Form1> self = ctx_.form1.get() == this ? ctx_.form1 : nullptr;
    // A reply cut short carries no flag byte; nothing past its end is read.
    ctx_.AccountFlag = reply.accountFlag.value_or(0);
    if (Check1->value() == 1) remember();
    ctx_.CurrentAccount = Text1->text();
    ctx_.CurrentPassword = Text2->text();
    ctx_.LoggedIn = 1;
    if (ctx_.loginSink) ctx_.loginSink->load_status1();
    showCalendarDay();
    Label7->setText(Requesting);
    ctx_.platform.loop().holdThread(HoldAfterLoginMs);
    // A session left from an earlier login (stopped, or of another account) gives way to
    // one that logs on with this account.
    ctx_.unload(ctx_.wsck);
    ctx_.load(ctx_.wsck);
    unloadMe();
}

void Form1::remember() {
    push::RememberFile::RememberedLogin login;
    login.flag = rememberFlag_;
    login.account = Text1->text();
    login.password = Text2->text();
    login.nickname = ctx_.CurrentNickname;
    // Replaced whole or not at all: a failed write must not cost the remembered login. The
    // file holds the password, so only its owner may read it.
    QString error;
    if (!atomicfile::write(rememberPath(), push::RememberFile::build(login), error, atomicfile::Access::OwnerOnly))
        log(QStringLiteral("cannot write ") + rememberPath() + QStringLiteral(": ") + error);
}

// The calendar keeps the five weekdays only: a weekend has no day to look for.
void Form1::showCalendarDay() {
    if (!ctx_.loginSink) return;
    const int weekday = ctx_.platform.loop().now().date().dayOfWeek();
    if (weekday <= 5 && ctx_.Config &&
        ctx_.Config->isExist(QStringLiteral("FXCalendar/Week%1").arg(weekday), QStringLiteral("Item")))
        ctx_.loginSink->ClickToday(weekday);
    ctx_.loginSink->ClickAll();
}

void Form1::Label3_Click() {
    files::ShellOpen(ctx_, ctx_.server.webSite + QStringLiteral("/resetpassword/resetpassword"));
    unloadMe();
}

void Form1::Label4_Click() {
    if (ctx_.loginSink) ctx_.loginSink->pop_registry();
    unloadMe();
}

void Form1::unloadMe() {
    // Not a dialog that replaced this one meanwhile.
    if (ctx_.form1.get() == this) ctx_.unload(ctx_.form1);
}

void Form1::log(const QString& message) const { ctx_.platform.log().write(QStringLiteral("Form1"), message); }
