#include "dialogs/frmaboutnew.h"
#include "core/AppContext.h"
#include "core/DialogCanvas.h"
#include "core/FileHelpers.h"
#include "platform/Platform.h"
#include "platform/net/Socket.h"
#include "resources/ProgramVersion.h"
#include "session/wsckfrm.h"
#include "wire/FeedbackRecord.h"

namespace {

constexpr QSize DialogSize(460, 330); // the size of its background picture
constexpr int StripHeight = 32;
constexpr int MinimumFeedbackLength = 2;

using Canvas = DialogCanvas;
constexpr uint32_t ProductColor = 0x0059A8;

const QString AboutCaption = QStringLiteral("关于");
const QString FeedbackCaption = QStringLiteral("意见反馈");
const QString LoginFirst = QStringLiteral("请先登陆");
const QString NotSent = QStringLiteral("网络未连接，您的意见没有发送出去。\n请在连接恢复后再次提交。");
const QString Description = QStringLiteral("专为外汇与黄金投资者打造的桌面资讯客户端：\n"
                                           "实时快讯、财经日历与行情报价，\n"
                                           "重要消息弹窗提醒，一个小窗口全部掌握。");
const QString FunctionIntroductionPath = QStringLiteral("/ruzezaro/ruzezaro");

} // namespace

frmaboutnew::frmaboutnew(AppContext& ctx) : ctx_(ctx) {}

frmaboutnew::~frmaboutnew() = default;

frmaboutnew& frmaboutnew::Open(AppContext& ctx, plat::Window* owner, bool feedbackPage) {
    frmaboutnew& about = ctx.load(ctx.about);
    if (feedbackPage) about.Image3_Click();
    about.Show(owner);
    return about;
}

void frmaboutnew::Form_Load() {
    buildWindow();
    showPage(false);
}

void frmaboutnew::buildWindow() {
    window_ = ctx_.platform.createWindow(plat::WindowKind::Dialog);
    window_->setTitle(AboutCaption + QStringLiteral(" - ") + ctx_.AppTitle);
    canvas_ = std::make_unique<DialogCanvas>(*window_, ctx_.AppPath + QStringLiteral("image/"));
    window_->setBackgroundImage(canvas_->imagePath(QStringLiteral("about_bg.gif")));
    canvas_->centre(DialogSize, ctx_.platform.screen().workArea());
    buildTitleStrip();
    Image1 = addButton(QRect(14, 48, 120, 34), QStringLiteral("about1.gif"), QStringLiteral("about2.gif"));
    Image3 = addButton(QRect(14, 90, 120, 34), QStringLiteral("ideaback1.gif"), QStringLiteral("ideaback2.gif"));
    Image1->onClick = [this] { Image1_Click(); };
    Image3->onClick = [this] { Image3_Click(); };
    buildAboutPage();
    buildFeedbackPage();
    window_->onMouseMove = [this] { canvas_->hoverOff(); };
    // Closed by the window system too (a borderless window has no close box of its own).
    window_->onCloseRequest = [this](bool&) { unloadLater(); };
}

// The strip drags the dialog; its caption names the page.
void frmaboutnew::buildTitleStrip() {
    plat::ImageBox* strip = window_->createImageBox();
    strip->setGeometry(QRect(0, 0, DialogSize.width(), StripHeight));
    strip->onMouseDown = [this] { window_->startSystemMove(); };
    LabelCaption = canvas_->label(QRect(36, 7, 240, 20), AboutCaption, Canvas::TitleColor, 10, true);
    LabelCaption->onMouseDown = [this] { window_->startSystemMove(); };
    Image8 = addButton(QRect(DialogSize.width() - 33, 4, 30, 24), QStringLiteral("close_button1.gif"),
                       QStringLiteral("close_button2.gif"));
    Image8->onClick = [this] { unloadLater(); };
}

void frmaboutnew::buildAboutPage() {
    const QString version = QStringLiteral("版本：") + QString::fromLatin1(zepversion::kVersionText);
    aboutPage_ = {
        canvas_->label(QRect(152, 52, 294, 30), ctx_.AppTitle, ProductColor, 16, true),
        canvas_->label(QRect(152, 86, 294, 20), version, Canvas::TextColor),
        canvas_->label(QRect(152, 112, 294, 66), Description, Canvas::TextColor),
    };
    Image6 =
        addButton(QRect(152, 190, 104, 28), QStringLiteral("fun_introduce1.gif"), QStringLiteral("fun_introduce2.gif"));
    Image6->onClick = [this] { Image6_Click(); };
    Label9 = canvas_->label(QRect(152, 236, 294, 20), QStringLiteral("访问产品网站"), Canvas::LinkColor);
    Label11 = canvas_->label(QRect(152, 262, 294, 20), QStringLiteral("Quenra团队 版权所有"), Canvas::LinkColor);
    Label9->setHandCursor(true);
    Label11->setHandCursor(true);
    Label9->onClick = [this] { Label9_Click(); };
    Label11->onClick = [this] { Label11_Click(); };
    aboutPage_.insert(aboutPage_.end(), {Image6, Label9, Label11});
}

void frmaboutnew::buildFeedbackPage() {
    feedbackHint_ =
        canvas_->label(QRect(152, 48, 294, 20), QStringLiteral("欢迎提出您的宝贵意见和建议："), Canvas::TextColor);
    Text1 = window_->createTextBox();
    Text1->setGeometry(QRect(152, 70, 294, 176));
    Text1->setMultiLine(true);
    LabelNotSent = canvas_->label(QRect(152, 250, 294, 36), QString(), Canvas::WarningColor);
    Image5 = addButton(QRect(370, 290, 76, 28), QStringLiteral("submit1.gif"), QStringLiteral("submit2.gif"));
    Image5->onClick = [this] { Image5_Click(); };
    Label1 =
        canvas_->label(QRect(152, 100, 294, 26), QStringLiteral("感谢您的宝贵意见！"), Canvas::StatusColor, 12, true);
    Label2 = canvas_->label(QRect(152, 132, 294, 40),
                            QStringLiteral("您的意见已经发送，\n我们会认真阅读并不断改进产品。"), Canvas::TextColor);
    Image10 = addButton(QRect(152, 186, 76, 28), QStringLiteral("back1.gif"), QStringLiteral("back.gif"));
    Image10->onClick = [this] { Image10_Click(); };
}

plat::ImageBox* frmaboutnew::addButton(const QRect& r, const QString& normal, const QString& highlighted) {
    plat::ImageBox* button = canvas_->button(r, normal, highlighted);
    button->setHandCursor(true);
    return button;
}

void frmaboutnew::Form_Unload() {
    if (window_) window_->hide();
}

void frmaboutnew::Show(plat::Window* owner) {
    window_->setOwner(owner);
    window_->show();
}

bool frmaboutnew::Visible() const { return window_->isVisible(); }

void frmaboutnew::Image1_Click() { showPage(false); }

void frmaboutnew::Image3_Click() { showPage(true); }

void frmaboutnew::showPage(bool feedback) {
    feedbackPage_ = feedback;
    LabelCaption->setText(feedback ? FeedbackCaption : AboutCaption);
    for (plat::Control* c : aboutPage_) c->setVisible(!feedback);
    showFeedbackControls();
}

// The feedback page shows the input, or the thanks after a submission.
void frmaboutnew::showFeedbackControls() {
    const bool input = feedbackPage_ && !thanked_;
    const bool thanks = feedbackPage_ && thanked_;
    feedbackHint_->setVisible(input);
    Text1->setVisible(input);
    Image5->setVisible(input);
    LabelNotSent->setVisible(input);
    Label1->setVisible(thanks);
    Label2->setVisible(thanks);
    Image10->setVisible(thanks);
}

void frmaboutnew::Image5_Click() {
    if (ctx_.LoggedIn != 1) {
        Text1->setText(LoginFirst);
        return;
    }
    const QString text = Text1->text();
    if (text.size() < MinimumFeedbackLength) return;
    // The text stays in the box until it has gone: thanks are only for what was sent.
    if (!sendOnPushConnection(push::FeedbackRecord{ctx_.CurrentAccount, text}.build())) {
        LabelNotSent->setText(NotSent);
        return;
    }
    LabelNotSent->setText(QString());
    thanked_ = true;
    showFeedbackControls();
}

bool frmaboutnew::sendOnPushConnection(const QByteArray& record) {
    if (!ctx_.wsck) return false;
    plat::Socket& socket = ctx_.wsck->Winsock1();
    if (socket.state() != plat::Socket::Connected) return false;
    socket.sendData(record);
    return true;
}

void frmaboutnew::Image10_Click() {
    Text1->setText(QString());
    thanked_ = false;
    showFeedbackControls();
}

void frmaboutnew::Image6_Click() { openLink(ctx_.server.webSite + FunctionIntroductionPath); }

void frmaboutnew::Label9_Click() { openLink(ctx_.server.productSite); }

void frmaboutnew::Label11_Click() { openLink(ctx_.server.makerSite); }

void frmaboutnew::openLink(const QString& address) { files::ShellOpen(ctx_, address); }

// Once the event that asked for it has finished: the unload takes the dialog's controls.
void frmaboutnew::unloadLater() {
    ctx_.platform.loop().post([&ctx = ctx_, self = this] {
        if (ctx.about.get() == self) ctx.unload(ctx.about);
    });
}
