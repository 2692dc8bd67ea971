#pragma once
#include <QImage>
#include <QList>

// The pictures of the main page and the popup page.
class PageArt {
public:
    // The 150 x 36 strip of window buttons; the image map of the page gives their places.
    static QImage windowStrip(bool maximised);
    static QImage warning();
    // An animated "awaiting result" spinner.
    static QList<QImage> loadingFrames();
    static QImage calendarTabStrip();
    static QImage headerShadow();
    static QImage bullet();
    static QImage smallButton();
    static QImage arrow(bool pointsLeft);
    static QImage popupClose();
    static QImage captionBand();
    static QImage popupBody();
};
