#pragma once
#include <QByteArray>
#include <QString>

// One file of the embedded pages: its bytes and how to serve and read them.
struct PageResource {
    QString name; // as stored, e.g. "LOGO.PNG"
    QByteArray data;
    QByteArray mimeType; // "text/html", "text/css", "image/png", ...
    QByteArray charset;  // "gb2312" or "utf-8" for pages and style sheets, empty otherwise

    // The MIME type with its charset, as an HTTP Content-Type: "text/html;charset=gb2312".
    QByteArray contentType() const;
    // The text of a page or style sheet (GB2312 decoded, or UTF-8 without its byte-order
    // mark); empty for images.
    QString text() const;
};
