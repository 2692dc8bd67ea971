#include "config/XmlText.h"
#include <libxml/tree.h>

namespace xmltext {

namespace {
bool xmlCanCarry(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x20) return u == '\t' || u == '\n' || u == '\r';
    return u != 0xFFFE && u != 0xFFFF;
}
} // namespace

QString fromXml(const unsigned char* utf8) {
    return utf8 ? QString::fromUtf8(reinterpret_cast<const char*>(utf8)) : QString();
}

QString qualifiedName(const xmlNode* node) {
    const QString local = fromXml(node->name);
    if (node->ns && node->ns->prefix) return fromXml(node->ns->prefix) + ':' + local;
    return local;
}

QString takeXml(unsigned char* utf8) {
    QString text = fromXml(utf8);
    xmlFree(utf8);
    return text;
}

QByteArray toXml(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        if (xmlCanCarry(c)) kept.append(c);
    }
    return kept.toUtf8();
}

} // namespace xmltext
