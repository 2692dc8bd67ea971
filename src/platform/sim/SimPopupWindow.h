#pragma once
#include "platform/sim/SimWindow.h"
#include <set>

namespace plat {

class SimConsole;

// A popup window of the headless desktop: whenever it is on the screen with some height,
// it prints each table row of its page that it has not printed yet, as the row's visible
// text ("popup: 12/06 10:15 ..."), one line per row.
class SimPopupWindow : public SimWindow {
public:
    SimPopupWindow(SimWindowManager& manager, SimConsole& console)
        : SimWindow(manager, WindowKind::Popup), console_(console) {}

    void setGeometry(const QRect& r) override;
    void showNoActivate() override;
    void show() override;

private:
    void printNewRows();

    SimConsole& console_;
    std::set<int> printed_; // node ids of the rows printed and still on the page
};

} // namespace plat
