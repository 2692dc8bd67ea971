#pragma once
#include "core/Form.h"
#include <QRect>
#include <QString>
#include <memory>
#include <vector>

struct AppContext;
class DialogCanvas;
namespace plat {
class Control;
class ImageBox;
class Label;
class TextBox;
class Window;
} // namespace plat

// The about and feedback dialog: a fixed borderless dialog drawn with images. Its about page
// names the product and its version and links to the function introduction, the product
// site and the maker site; its feedback page sends the user's message to the vendor on the
// push connection, and says so when it could not.
class frmaboutnew : public Form {
public:
    explicit frmaboutnew(AppContext& ctx);
    ~frmaboutnew() override;

    // Loads the dialog unless it is open, and shows it owned by owner (nullptr: none),
    // on the feedback page when asked.
    static frmaboutnew& Open(AppContext& ctx, plat::Window* owner, bool feedbackPage = false);

    // Builds the dialog, hidden, on the about page.
    void Form_Load() override;
    void Form_Unload() override;

    void Show(plat::Window* owner);
    bool Visible() const;
    plat::Window& window() { return *window_; }

    void Image1_Click();  // the about page
    void Image3_Click();  // the feedback page
    void Image5_Click();  // submit the feedback
    void Image10_Click(); // back to the input after a submission
    void Image6_Click();  // function introduction
    void Label9_Click();  // product site
    void Label11_Click(); // maker site

    plat::ImageBox* Image1 = nullptr;  // tab "关于"
    plat::ImageBox* Image3 = nullptr;  // tab "意见反馈"
    plat::ImageBox* Image5 = nullptr;  // submit
    plat::ImageBox* Image6 = nullptr;  // function introduction link
    plat::ImageBox* Image8 = nullptr;  // close
    plat::ImageBox* Image10 = nullptr; // back
    plat::Label* Label1 = nullptr;     // thank-you texts after a submission
    plat::Label* Label2 = nullptr;
    plat::Label* Label9 = nullptr;       // product site link
    plat::Label* Label11 = nullptr;      // maker site link
    plat::Label* LabelCaption = nullptr; // the page's name on the title strip
    plat::Label* LabelNotSent = nullptr; // why the feedback was not sent
    plat::TextBox* Text1 = nullptr;      // feedback text

private:
    void buildWindow();
    void buildTitleStrip();
    void buildAboutPage();
    void buildFeedbackPage();
    // An image button under the hand cursor, highlighted under the mouse.
    plat::ImageBox* addButton(const QRect& r, const QString& normal, const QString& highlighted);
    void showPage(bool feedback);
    void showFeedbackControls();
    // False when the push connection is not there to take the record.
    bool sendOnPushConnection(const QByteArray& record);
    void openLink(const QString& address);
    void unloadLater();

    AppContext& ctx_;
    std::unique_ptr<plat::Window> window_;
    std::unique_ptr<DialogCanvas> canvas_;
    std::vector<plat::Control*> aboutPage_;
    plat::Label* feedbackHint_ = nullptr;
    bool feedbackPage_ = false;
    bool thanked_ = false; // the feedback page shows the thank-you texts
};
