#pragma once
#include <QString>
#include <cstdint>
#include <memory>

struct AppContext;
class PlayMediaCls;
namespace plat {
class Window;
}

// The controller's one entry for notifications: adds an item to the popup window, starts a
// showing when none is under way, and plays the notification sound unless it is still
// playing. The popup window and the sound player are made on first use and kept.
class PopupRequest {
public:
    explicit PopupRequest(AppContext& ctx);
    ~PopupRequest();

    // stay in seconds; 0 takes the configured stay time. The owner is disabled while the
    // first request waits for the popup page.
    void Popup(const QString& html, int32_t stay, plat::Window& owner);

private:
    void ensureWindow(plat::Window& owner);
    int32_t stayMs(int32_t stay) const;
    void playSound();

    AppContext& ctx_;
    std::unique_ptr<PlayMediaCls> player_;
};
