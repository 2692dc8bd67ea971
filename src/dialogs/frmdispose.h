#pragma once
#include "core/Form.h"
#include "dialogs/CurrencyPage.h"
#include "core/DialogCanvas.h"
#include <QString>
#include <array>
#include <memory>
#include <vector>

struct AppContext;
class PlayMediaCls;
namespace plat {
class CheckBox;
class ComboBox;
class Control;
class ImageBox;
class Label;
class Window;
} // namespace plat

// The settings dialog: a borderless window with its own title strip and three pages chosen
// by tab images: the news popups, the calendar reminders and the quote center's pairs.
// OK and Apply write the settings of the page showing (the others' edits are dropped), save
// ZEP.xml at once and change the process-wide values, so the next popup, reminder or quote
// follows them without a restart. SettingsOpen is true from the end of the load until OK,
// Cancel or the close button.
class frmdispose : public Form {
public:
    static inline const QString Page1 = QStringLiteral("Image1");
    static inline const QString Page2 = QStringLiteral("Image2");
    static inline const QString Page3 = QStringLiteral("Image3");

    explicit frmdispose(AppContext& ctx);
    ~frmdispose() override;

    // Draws the dialog (hidden), shows page 1 and the stored settings, sets SettingsOpen.
    void Form_Load() override;
    void Form_Unload() override;

    // Modeless in front of its owner, the main window (nullptr while it is not loaded).
    void Show(plat::Window* owner);
    bool Visible() const;
    plat::Window& window() { return *window_; }
    // The name of the selected tab image.
    const QString& CurrentPage() const { return currentPage_; }

    plat::ImageBox* Image1 = nullptr;         // tab of page 1
    plat::ImageBox* Image2 = nullptr;         // tab of page 2
    plat::ImageBox* Image3 = nullptr;         // tab of page 3
    plat::ImageBox* Image5 = nullptr;         // sound preview
    plat::ImageBox* Image6 = nullptr;         // OK
    plat::ImageBox* Image7 = nullptr;         // Cancel
    plat::ImageBox* Image8 = nullptr;         // Apply
    plat::ImageBox* Image10 = nullptr;        // close button
    plat::Label* Label1 = nullptr;            // page title
    plat::Label* Label14 = nullptr;           // dialog title, on the title strip
    plat::Label* Label15 = nullptr;           // the rest of the title strip
    plat::CheckBox* Check1 = nullptr;         // popups on
    plat::ComboBox* Combo1 = nullptr;         // popup stay time
    plat::ComboBox* Combo2 = nullptr;         // popup sound
    plat::ComboBox* Combo4 = nullptr;         // reminder notify time
    plat::ComboBox* Combo5 = nullptr;         // reminder stay time
    std::unique_ptr<CurrencyPage> currencies; // Check2 and Label13

private:
    struct Page {
        plat::ImageBox* tab;
        QString title;
        std::vector<plat::Control*> controls;
    };

    void buildWindow();
    void buildTitleStrip();
    void buildTabs();
    void buildPopupPage();
    void buildCalendarPage();
    void buildButtons();
    plat::ComboBox* combo(const QRect& r, const QStringList& choices);
    plat::Label* text(const QRect& r, const QString& caption);
    void wireEvents();
    void readSettings();
    void selectPage(size_t index);
    void Check1_Click();
    void Image5_Click();
    void Image6_Click();
    void Image8_Click();
    void closeDialog();
    void applyPage();
    void applyPopup();
    void applyCalendar();
    void applyCurrencies();
    void save();
    void log(const QString& message) const;

    AppContext& ctx_;
    std::unique_ptr<plat::Window> window_;
    std::unique_ptr<DialogCanvas> canvas_;
    std::array<Page, 3> pages_{};
    std::vector<plat::Control*> buttons_; // OK, Cancel, Apply
    QString currentPage_;
    std::unique_ptr<PlayMediaCls> player_;
};
