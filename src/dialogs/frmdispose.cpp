#include "dialogs/frmdispose.h"
#include "base/VbText.h"
#include "config/cls_Config.h"
#include "core/AppContext.h"
#include "core/SettingValues.h"
#include "notify/PlayMediaCls.h"
#include "platform/Platform.h"

namespace {

constexpr QSize DialogSize(500, 360); // the size of its background picture
constexpr uint32_t TitleColor = DialogCanvas::TitleColor;
constexpr uint32_t TextColor = DialogCanvas::TextColor;

const QString PopupNode = QStringLiteral("Settings/ZEP/Popup");
const QString CalendarNode = QStringLiteral("Settings/ZEP/FXCalendar");

const QStringList PopupStayChoices{"5s", "10s", "20s", "30s", "40s", "50s", "1m", "3m", "5m"};
const QStringList SoundChoices{"Band.wav", "News.wav", "SSNotify.wav"};
const QStringList NotifyChoices{"1分钟前",  "3分钟前",  "5分钟前", "10分钟前", "15分钟前",
                                "20分钟前", "25分钟前", "30分钟",  "45分钟",   "60分钟"};
const QStringList ReminderStayChoices{"10s", "15s", "20s", "30s", "45s", "1m"};

const QString SaveFailed = QStringLiteral("设置已生效，但未能写入配置文件ZEP.xml（退出程序时将再次保存）。");

} // namespace

frmdispose::frmdispose(AppContext& ctx) : ctx_(ctx) {}

frmdispose::~frmdispose() = default;

void frmdispose::Form_Load() {
    buildWindow();
    selectPage(0);
    readSettings();
    ctx_.SettingsOpen = true;
}

void frmdispose::buildWindow() {
    window_ = ctx_.platform.createWindow(plat::WindowKind::Dialog);
    window_->setTitle(QStringLiteral("软件设置"));
    canvas_ = std::make_unique<DialogCanvas>(*window_, ctx_.AppPath + QStringLiteral("image/"));
    window_->setBackgroundImage(canvas_->imagePath(QStringLiteral("set_bg.gif")));
    canvas_->centre(DialogSize, ctx_.platform.screen().workArea());
    buildTitleStrip();
    buildTabs();
    Label1 = canvas_->label(QRect(152, 42, 330, 24), QString(), DialogCanvas::FrameColor, 11, true);
    canvas_->line(QRect(152, 70, 336, 1), DialogCanvas::FrameColor);
    buildPopupPage();
    buildCalendarPage();
    currencies = std::make_unique<CurrencyPage>(*window_, *canvas_, QRect(152, 82, 324, 224));
    buildButtons();
    wireEvents();
}

// Drawn over the picture's own strip, which keeps its mark at the left.
void frmdispose::buildTitleStrip() {
    Label14 = canvas_->label(QRect(36, 0, 110, 32), QStringLiteral("软件设置"), TitleColor, 10, true);
    Label15 = canvas_->label(QRect(146, 0, 320, 32), QString(), TitleColor);
    Label14->setBackColor(DialogCanvas::FrameColor);
    Label15->setBackColor(DialogCanvas::FrameColor);
    Image10 = canvas_->button(QRect(466, 4, 30, 24), QStringLiteral("close_button1.gif"),
                              QStringLiteral("close_button2.gif"));
    canvas_->line(QRect(142, 40, 1, 310), DialogCanvas::FrameColor);
}

void frmdispose::buildTabs() {
    const auto tab = [this](int top, const char* stem) {
        const QString name = QString::fromLatin1(stem);
        plat::ImageBox* box =
            canvas_->button(QRect(12, top, 120, 34), name + QStringLiteral("1.gif"), name + QStringLiteral("2.gif"));
        box->setHandCursor(true);
        return box;
    };
    Image1 = tab(44, "newsgather");
    Image2 = tab(84, "financalender");
    Image3 = tab(124, "quotcenter");
    pages_[0] = {Image1, QStringLiteral("资讯速递窗口"), {}};
    pages_[1] = {Image2, QStringLiteral("财经日历提醒"), {}};
    pages_[2] = {Image3, QStringLiteral("行情中心币种显示"), {}};
}

void frmdispose::buildPopupPage() {
    Check1 = window_->createCheckBox();
    Check1->setGeometry(QRect(152, 86, 20, 20));
    plat::Label* label3 = text(QRect(174, 86, 300, 20), QStringLiteral("屏幕右下角弹出即时速递讯息窗口"));
    plat::Label* label2 = text(QRect(152, 124, 320, 20), QStringLiteral("资讯速递窗口资讯显示停留时间"));
    Combo1 = combo(QRect(152, 148, 140, 24), PopupStayChoices);
    plat::Label* label4 = text(QRect(152, 188, 320, 20), QStringLiteral("资讯速递窗口弹出时播放声音"));
    Combo2 = combo(QRect(152, 212, 140, 24), SoundChoices);
    Image5 = canvas_->button(QRect(300, 212, 28, 24), QStringLiteral("sound.gif"), QStringLiteral("sound1.gif"));
    Image5->setHandCursor(true);
    pages_[0].controls = {Check1, label3, label2, Combo1, label4, Combo2, Image5};
}

void frmdispose::buildCalendarPage() {
    plat::Label* notify = text(QRect(152, 86, 320, 20), QStringLiteral("财经日历提醒通知时间"));
    Combo4 = combo(QRect(152, 110, 140, 24), NotifyChoices);
    plat::Label* stay = text(QRect(152, 150, 320, 20), QStringLiteral("财经日历结果提醒停留时间"));
    Combo5 = combo(QRect(152, 174, 140, 24), ReminderStayChoices);
    pages_[1].controls = {notify, Combo4, stay, Combo5};
}

plat::Label* frmdispose::text(const QRect& r, const QString& caption) { return canvas_->label(r, caption, TextColor); }

void frmdispose::buildButtons() {
    const auto button = [this](int left, const char* normal, const char* hover) {
        plat::ImageBox* box =
            canvas_->button(QRect(left, 318, 76, 28), QString::fromLatin1(normal), QString::fromLatin1(hover));
        box->setHandCursor(true);
        buttons_.push_back(box);
        return box;
    };
    Image6 = button(246, "setok1.gif", "setok.gif");
    Image7 = button(328, "setcancel.gif", "setcancel1.gif");
    Image8 = button(410, "setapply.gif", "setapply1.gif");
}

plat::ComboBox* frmdispose::combo(const QRect& r, const QStringList& choices) {
    plat::ComboBox* box = window_->createComboBox();
    box->setGeometry(r);
    box->setItems(choices);
    return box;
}

void frmdispose::wireEvents() {
    const auto drag = [this] { window_->startSystemMove(); };
    Label14->onMouseDown = drag;
    Label15->onMouseDown = drag;
    window_->onMouseMove = [this] { canvas_->hoverOff(); };
    for (size_t i = 0; i < pages_.size(); ++i) pages_[i].tab->onClick = [this, i] { selectPage(i); };
    Check1->onClick = [this] { Check1_Click(); };
    Image5->onClick = [this] { Image5_Click(); };
    Image6->onClick = [this] { Image6_Click(); };
    Image7->onClick = [this] { closeDialog(); };
    Image8->onClick = [this] { Image8_Click(); };
    Image10->onClick = [this] { closeDialog(); };
}

// A missing setting has shown the document's error box and leaves its control empty.
void frmdispose::readSettings() {
    cls_Config& config = *ctx_.Config;
    Check1->setValue(vb::Val(config.GetNodeAttrib(PopupNode, QStringLiteral("Checked"))) > 0 ? 1 : 0);
    Check1_Click();
    Combo1->setText(config.GetNodeAttrib(PopupNode, QStringLiteral("staytime")));
    Combo2->setText(config.GetNodeAttrib(PopupNode, QStringLiteral("SoundFile")));
    Combo4->setText(config.GetNodeAttrib(CalendarNode, QStringLiteral("NotifyTime")));
    Combo5->setText(config.GetNodeAttrib(CalendarNode, QStringLiteral("staytime")));
    currencies->load(config.currencyList());
}

void frmdispose::Form_Unload() {
    ctx_.SettingsOpen = false;
    player_.reset();
    if (window_) window_->hide();
}

void frmdispose::Show(plat::Window* owner) {
    if (window_->owner() != owner) window_->setOwner(owner);
    window_->show();
}

bool frmdispose::Visible() const { return window_->isVisible(); }

void frmdispose::selectPage(size_t index) {
    const QString name = index == 0 ? Page1 : index == 1 ? Page2 : Page3;
    if (name == currentPage_) return;
    for (const Page& page : pages_) {
        canvas_->hold(page.tab, false);
        for (plat::Control* c : page.controls) c->setVisible(false);
    }
    currencies->setVisible(false);
    const Page& page = pages_[index];
    Label1->setText(page.title);
    canvas_->hold(page.tab, true);
    currentPage_ = name;
    for (plat::Control* c : page.controls) c->setVisible(true);
    if (name == Page3) currencies->setVisible(true);
    for (plat::Control* c : buttons_) c->setVisible(true);
}

void frmdispose::Check1_Click() {
    const bool on = Check1->value() != 0;
    Combo1->setEnabled(on);
    Combo2->setEnabled(on);
}

// A file that cannot be played plays nothing and shows nothing.
void frmdispose::Image5_Click() {
    const QString path = ctx_.AppPath + QStringLiteral("Sound/") + vb::Trim(Combo2->text());
    if (!player_) player_ = std::make_unique<PlayMediaCls>(ctx_);
    if (!player_->OpenMedia(path)) return;
    player_->Stop_();
    player_->Play(false);
}

void frmdispose::Image6_Click() {
    applyPage();
    closeDialog();
}

void frmdispose::Image8_Click() { applyPage(); }

void frmdispose::closeDialog() {
    ctx_.SettingsOpen = false;
    // Not a dialog that replaced this one meanwhile.
    if (ctx_.settings.get() == this)
        ctx_.unload(ctx_.settings);
    else
        window_->hide();
}

void frmdispose::applyPage() {
    if (currentPage_ == Page1)
        applyPopup();
    else if (currentPage_ == Page2)
        applyCalendar();
    else if (currentPage_ == Page3)
        applyCurrencies();
}

void frmdispose::applyPopup() {
    cls_Config& config = *ctx_.Config;
    config.SetNodeAttrib(PopupNode, QStringLiteral("Checked"), QString::number(Check1->value()));
    config.SetNodeAttrib(PopupNode, QStringLiteral("staytime"), Combo1->text());
    config.SetNodeAttrib(PopupNode, QStringLiteral("SoundFile"), Combo2->text());
    save();
    SettingValues::setPopup(ctx_, Check1->value() != 0, Combo1->text(), Combo2->text());
}

void frmdispose::applyCalendar() {
    cls_Config& config = *ctx_.Config;
    config.SetNodeAttrib(CalendarNode, QStringLiteral("NotifyTime"), Combo4->text());
    config.SetNodeAttrib(CalendarNode, QStringLiteral("staytime"), Combo5->text());
    save();
    // The stay time as the document now holds it, read as at start-up.
    const QString stay = config.GetNodeAttrib(CalendarNode, QStringLiteral("staytime"));
    SettingValues::setCalendar(ctx_, Combo4->text(), stay);
}

// The quote center drops the rows of the pairs no longer shown and brings back those shown
// again, at once.
void frmdispose::applyCurrencies() {
    currencies->apply();
    if (ctx_.refreshShownPairs) ctx_.refreshShownPairs();
    save();
}

// The values have changed in memory all the same, and the exit saves the document again.
void frmdispose::save() {
    if (ctx_.Config->XMLSave()) return;
    log(QStringLiteral("ZEP.xml was not saved"));
    ctx_.platform.messageBox().show(SaveFailed, plat::mb::Exclamation | plat::mb::OkOnly, ctx_.AppTitle);
}

void frmdispose::log(const QString& message) const { ctx_.platform.log().write(QStringLiteral("frmdispose"), message); }
