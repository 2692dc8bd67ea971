#include "platform/dom/JournalReplay.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace dom {

bool JournalReplay::apply(Document& doc, const std::vector<Op>& ops) {
    const bool wasEnabled = doc.journal_.enabled();
    doc.journal_.setEnabled(false);
    bool ok = true;
    for (const Op& op : ops) {
        Element* n = doc.elementByNodeId(op.node);
        Element* p = doc.elementByNodeId(op.parent);
        switch (op.kind) {
        case Op::Kind::Attr:
            if (!n || !n->setAttribute(op.name, op.value)) ok = false;
            break;
        case Op::Kind::RemoveAttr:
            if (n)
                n->removeAttribute(op.name);
            else
                ok = false;
            break;
        case Op::Kind::Style:
            if (n)
                n->setAttribute(QStringLiteral("style"), op.css);
            else
                ok = false;
            break;
        case Op::Kind::Text:
            if (n)
                n->setInnerText(op.value);
            else
                ok = false;
            break;
        case Op::Kind::Html: {
            if (!n || op.first < doc.nextId_) {
                ok = false;
                break;
            }
            doc.nextId_ = op.first;
            n->setInnerHTML(op.value);
            if (doc.nextId_ != op.first + op.count) ok = false;
            break;
        }
        case Op::Kind::Insert: {
            if (!p || op.index < 0 || op.index > p->childCount() || doc.elementByNodeId(op.node)) {
                ok = false;
                break;
            }
            auto* e = new Element(&doc, op.name.toLower(), Element::Namespace::Html);
            std::unique_ptr<Node> owned(e);
            const int saved = doc.nextId_;
            doc.nextId_ = op.node;
            doc.allocateId(e);
            doc.nextId_ = std::max(saved, op.node + 1);
            p->insertChildRaw(std::move(owned), op.index);
            break;
        }
        case Op::Kind::Remove:
            if (!n) {
                ok = false;
            } else if (Node* parent = n->parentNode()) {
                doc.subtreeChanged(n);
                doc.bury(parent->takeChildRaw(n->indexInParent()));
            }
            break;
        case Op::Kind::Move: {
            if (!n || !p || n->contains(p)) {
                ok = false;
                break;
            }
            std::unique_ptr<Node> owned;
            if (Node* parent = n->parentNode()) {
                owned = parent->takeChildRaw(n->indexInParent());
            } else {
                auto it = std::find_if(doc.graveyard_.begin(), doc.graveyard_.end(),
                                       [n](const std::unique_ptr<Node>& g) { return g.get() == n; });
                if (it == doc.graveyard_.end()) {
                    ok = false;
                    break;
                }
                owned = std::move(*it);
                doc.graveyard_.erase(it);
            }
            if (op.index < 0 || op.index > p->childCount()) {
                doc.bury(std::move(owned));
                ok = false;
                break;
            }
            p->insertChildRaw(std::move(owned), op.index);
            doc.idsChanged();
            break;
        }
        case Op::Kind::Order:
            if (!p) {
                ok = false;
                break;
            }
            for (int id : op.ids) {
                Element* r = doc.elementByNodeId(id);
                if (!r || !r->parentNode() || r->contains(p)) {
                    ok = false;
                    continue;
                }
                p->insertChildRaw(r->parentNode()->takeChildRaw(r->indexInParent()), -1);
            }
            doc.idsChanged();
            break;
        case Op::Kind::Forget:
            break; // the target frees its own removed elements
        case Op::Kind::Checked:
            if (n) {
                n->checkedDirty_ = true;
                n->checked_ = op.flag;
            } else {
                ok = false;
            }
            break;
        }
    }
    doc.journal_.setEnabled(wasEnabled);
    return ok;
}

std::vector<Op> JournalReplay::fromJson(const QByteArray& json, bool* ok, qint64* seq) {
    std::vector<Op> ops;
    QJsonParseError err;
    const QJsonDocument d = QJsonDocument::fromJson(json, &err);
    const bool good =
        err.error == QJsonParseError::NoError && d.isObject() && d.object().value(QLatin1String("ops")).isArray();
    if (ok) *ok = good;
    if (!good) return ops;
    const QJsonObject root = d.object();
    if (seq) *seq = root.value(QLatin1String("seq")).toInteger();
    for (const QJsonValue& v : root.value(QLatin1String("ops")).toArray()) {
        const QJsonObject o = v.toObject();
        const std::optional<Op::Kind> kind = Op::kindNamed(o.value(QLatin1String("op")).toString());
        if (!kind) {
            if (ok) *ok = false;
            continue;
        }
        Op op;
        op.kind = *kind;
        op.node = o.value(QLatin1String(op.kind == Op::Kind::Insert ? "id" : "node")).toInt();
        op.parent = o.value(QLatin1String("parent")).toInt();
        op.index = o.value(QLatin1String("index")).toInt(-1);
        op.first = o.value(QLatin1String("first")).toInt();
        op.count = o.value(QLatin1String("count")).toInt();
        op.name = o.value(QLatin1String(op.kind == Op::Kind::Insert ? "tag" : "name")).toString();
        if (op.kind == Op::Kind::Checked)
            op.flag = o.value(QLatin1String("value")).toBool();
        else
            op.value = o.value(QLatin1String("value")).toString();
        op.css = o.value(QLatin1String("css")).toString();
        for (const QJsonValue& id : o.value(QLatin1String("ids")).toArray()) op.ids.push_back(id.toInt());
        ops.push_back(std::move(op));
    }
    return ops;
}

} // namespace dom
