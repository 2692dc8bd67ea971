#pragma once
#include "core/Controller.h"
#include "platform/loop/EventLoop.h"
#include <QDateTime>
#include <QString>
#include <vector>

// The controller's popup and balloon requests, with the time of each, and the exits asked for.
class RecordingController : public Controller {
public:
    struct Request {
        QString text;  // the popup's HTML, or the balloon's text
        QString title; // the balloon's
        int32_t value; // the popup's stay, or the balloon's icon
        QDateTime at;
    };

    explicit RecordingController(plat::EventLoop& loop) : loop_(loop) {}

    void Popup(const QString& html, int32_t stay) override { popups.push_back({html, {}, stay, loop_.now()}); }
    void ShowBalloonTip(const QString& text, const QString& title, int iconFlags) override {
        balloons.push_back({text, title, iconFlags, loop_.now()});
    }
    void ShowFxInfo() override {}
    void exitOutsideWaits() override { ++exits; }
    void ExitLater() override {}

    std::vector<Request> popups;
    std::vector<Request> balloons;
    int exits = 0;

private:
    plat::EventLoop& loop_;
};
