#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// One generated news flash and, when it has one, its article.
struct NewsFlash {
    qint32 id = 0;
    QByteArray flags; // three category characters
    QString text;     // the headline as listed by the client
    QDateTime time;
    bool hasPage = false;   // an article page is served for this id
    QString title;          // the article's title (the headline without its "[短讯]" mark)
    QStringList paragraphs; // the article's text
};
