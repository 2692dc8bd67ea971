#include "update/UpdateManifest.h"
#include <QCryptographicHash>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <memory>

namespace {

struct DocFree {
    void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
};

QString childText(xmlNode* parent, const char* name) {
    for (xmlNode* n = parent->children; n; n = n->next) {
        if (n->type != XML_ELEMENT_NODE || xmlStrcmp(n->name, BAD_CAST name) != 0) continue;
        xmlChar* text = xmlNodeGetContent(n);
        const QString value = QString::fromUtf8(reinterpret_cast<const char*>(text)).trimmed();
        xmlFree(text);
        return value;
    }
    return {};
}

} // namespace

std::optional<UpdateManifest> UpdateManifest::parse(const QByteArray& bytes) {
    // No network access and no entity expansion: the manifest comes from outside.
    std::unique_ptr<xmlDoc, DocFree> doc(xmlReadMemory(bytes.constData(), static_cast<int>(bytes.size()),
                                                       "spd_update.xml", nullptr,
                                                       XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    if (!doc) return std::nullopt;
    xmlNode* root = xmlDocGetRootElement(doc.get());
    if (!root) return std::nullopt;
    UpdateManifest m;
    m.version = childText(root, "Version");
    m.url = childText(root, "URL");
    m.download = childText(root, "Download");
    m.sha256 = childText(root, "SHA256").toLower();
    m.package = childText(root, "Package");
    m.packageSha256 = childText(root, "PackageSHA256").toLower();
    return m;
}

bool UpdateManifest::digestMatches(const QByteArray& data) const {
    if (sha256.isEmpty()) return true;
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex() == sha256.toLatin1();
}

UpdateManifest UpdateManifest::packageOffer() const {
    UpdateManifest offer = *this;
    offer.download = package;
    offer.sha256 = packageSha256;
    return offer;
}
