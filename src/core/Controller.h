#pragma once
#include <QString>
#include <cstdint>

// The hidden controller as the windows see it: the one place for popups, tray balloons,
// bringing back the main window and ending the program.
class Controller {
public:
    virtual ~Controller() = default;
    // Shows an item in the notification popup with the sound; stay in seconds, 0 for the
    // configured stay time.
    virtual void Popup(const QString& html, int32_t stay) = 0;
    // A balloon at the tray icon, closed after five minutes at the latest.
    virtual void ShowBalloonTip(const QString& text, const QString& title, int iconFlags) = 0;
    // Brings the main window to the front.
    virtual void ShowFxInfo() = 0;
    // Ends the program as soon as no wait that pumps messages is running.
    virtual void exitOutsideWaits() = 0;
    // Ends the program at the next tick of the deferred-exit timer.
    virtual void ExitLater() = 0;
};
