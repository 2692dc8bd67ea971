#pragma once
#include <QByteArray>
#include <QString>

// The frame every page of the demo site shares: UTF-8, self-contained (inline style
// sheet, no outside resources), a column 800 pixels wide, which is what the client's
// news window shows without scrolling sideways.
class PageLayout {
public:
    static QByteArray page(const QString& title, const QString& body);
    static QString escaped(const QString& text) { return text.toHtmlEscaped(); }
};
