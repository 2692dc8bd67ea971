#pragma once
#include "mainwindow/SeenFlashes.h"
#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>

struct AppContext;
class MainPage;

// The list of pushed news flashes, newest first: each new flash becomes a row of the list
// and a line of the notification popup, once; a row with an article page opens it in the
// news window.
class NewsList {
public:
    NewsList(AppContext& ctx, MainPage& page) : ctx_(ctx), page_(page) {}

    // A pushed flash: its time text, title, id and whether the vendor has an article page
    // for it ('1').
    void Get_allMsg(const QString& time, const QString& title, int32_t newsId, uint8_t detailFlag);
    // A row's link was clicked: the news window opens its article.
    void display_news();
    // Where the news window opens, in twips.
    void setArticleWindowPos(const QPoint& twips) { articleWindowPos_ = twips; }

private:
    QString articleAddress(int32_t newsId, uint8_t detailFlag) const;
    static QString popupLine(const QString& address, const QString& time, const QString& title);
    void offerToPopup(const QString& line);
    void addRow(const QString& time, const QString& title, const QString& address);
    void step(const char* what, const std::function<void()>& fn);

    AppContext& ctx_;
    MainPage& page_;
    SeenFlashes seen_;
    QPoint articleWindowPos_;
};
