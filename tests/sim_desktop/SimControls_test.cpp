#include "platform/sim/SimCheckBox.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimLoop.h"
#include "platform/sim/SimTextBox.h"
#include <gtest/gtest.h>

using namespace plat;

namespace {

class SimControlsTest : public testing::Test {
protected:
    SimControlsTest() {
        dialog.show();
        account = static_cast<SimTextBox*>(dialog.createTextBox());
        password = static_cast<SimTextBox*>(dialog.createTextBox());
        account->onGotFocus = [this] { events.push_back("account focus"); };
        account->onClick = [this] { events.push_back("account click"); };
        password->onGotFocus = [this] { events.push_back("password focus"); };
    }

    SimLoop loop;
    SimDesktop desktop{loop, SimDesktop::Mode::Recording};
    std::unique_ptr<Window> window = desktop.createWindow(WindowKind::Dialog);
    SimWindow& dialog = static_cast<SimWindow&>(*window);
    SimTextBox* account;
    SimTextBox* password;
    std::vector<std::string> events;
};

TEST_F(SimControlsTest, FocusMovesBetweenBoxesAndAClickFocusesFirst) {
    account->userClick();
    account->userClick(); // already focused: only the click
    password->userType(QStringLiteral("abc"));
    account->setFocus();
    EXPECT_EQ(events, (std::vector<std::string>{"account focus", "account click", "account click", "password focus",
                                                "account focus"}));
    EXPECT_EQ(password->text(), QStringLiteral("abc"));
    EXPECT_TRUE(account->hasFocus());
    EXPECT_FALSE(password->hasFocus());
}

TEST_F(SimControlsTest, NothingReachesAControlThatTheUserCannotSee) {
    account->setVisible(false);
    account->userClick();
    dialog.setEnabled(false);
    password->userType(QStringLiteral("x"));
    dialog.setEnabled(true);
    dialog.hide();
    password->setFocus();
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(password->text().isEmpty());
}

TEST_F(SimControlsTest, ACheckBoxTogglesBeforeItsClick) {
    auto* remember = static_cast<SimCheckBox*>(dialog.createCheckBox());
    std::vector<int> seen;
    remember->onClick = [&] { seen.push_back(remember->value()); };
    remember->userClick();
    remember->userClick();
    remember->setValue(1); // the program's change raises nothing
    EXPECT_EQ(seen, (std::vector<int>{1, 0}));
    EXPECT_EQ(remember->value(), 1);
}

} // namespace
