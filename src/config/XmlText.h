#pragma once
#include <QByteArray>
#include <QString>

struct _xmlNode;

// Text crossing into and out of libxml2, which keeps everything in UTF-8.
namespace xmltext {

QString fromXml(const unsigned char* utf8);
// An element's or attribute's name as written, prefix included ("EURUSD", "x:Item").
QString qualifiedName(const _xmlNode* node);
// Also takes the result of a libxml2 call that the caller must free (xmlFree).
QString takeXml(unsigned char* utf8);
// Characters that XML 1.0 cannot carry (control characters other than tab, line feed and
// carriage return; U+FFFE, U+FFFF) are left out: once in the document, they would make the
// saved file unreadable and the program would refuse to start.
QByteArray toXml(const QString& text);

} // namespace xmltext
