#include "platform/dom/Journal.h"
#include <unordered_map>
#include <cstdio>
#include <string>

namespace dom {

namespace {

struct KindName {
    Op::Kind kind;
    const char* code; // as the kind is named in code
    const char* name; // as a batch names it
};

// The one table of op names: the journal's JSON, its replay and the browser side's scripts.
constexpr KindName kKindNames[] = {
    {Op::Kind::Attr, "Attr", "attr"},       {Op::Kind::RemoveAttr, "RemoveAttr", "rmattr"},
    {Op::Kind::Style, "Style", "style"},    {Op::Kind::Text, "Text", "text"},
    {Op::Kind::Html, "Html", "html"},       {Op::Kind::Insert, "Insert", "insert"},
    {Op::Kind::Remove, "Remove", "remove"}, {Op::Kind::Move, "Move", "move"},
    {Op::Kind::Order, "Order", "order"},    {Op::Kind::Checked, "Checked", "checked"},
    {Op::Kind::Forget, "Forget", "forget"},
};

} // namespace

const char* Op::kindName(Kind k) {
    for (const KindName& entry : kKindNames)
        if (entry.kind == k) return entry.name;
    return "?";
}

std::optional<Op::Kind> Op::kindNamed(const QString& name) {
    for (const KindName& k : kKindNames)
        if (name == QLatin1String(k.name)) return k.kind;
    return std::nullopt;
}

QByteArray Op::kindTableJson() {
    QByteArray json = "{";
    for (const KindName& k : kKindNames) {
        if (json.size() > 1) json += ',';
        json += '"' + QByteArray(k.code) + "\":\"" + QByteArray(k.name) + '"';
    }
    return json + '}';
}

std::vector<Op> Journal::take() {
    std::vector<Op> out;
    out.swap(ops_);
    return out;
}

namespace {

// The JSON text is built in a std::string (cheap appends), then handed over once.
using Out = std::string;

void putHex4(Out& out, unsigned v) {
    static const char hex[] = "0123456789abcdef";
    const char buf[6] = {'\\', 'u', hex[(v >> 12) & 15], hex[(v >> 8) & 15], hex[(v >> 4) & 15], hex[v & 15]};
    out.append(buf, 6);
}

void putString(Out& out, const QString& s) {
    out += '"';
    const QChar* p = s.constData();
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        // A run of plain ASCII in one go.
        qsizetype j = i;
        while (j < n && p[j].unicode() >= 0x20 && p[j].unicode() < 0x80 && p[j].unicode() != '"' &&
               p[j].unicode() != '\\')
            ++j;
        if (j > i) {
            const size_t old = out.size();
            out.resize(old + static_cast<size_t>(j - i));
            char* d = out.data() + old;
            for (qsizetype k = i; k < j; ++k) *d++ = static_cast<char>(p[k].unicode());
            i = j - 1;
            continue;
        }
        const char16_t c = p[i].unicode();
        if (c < 0x80) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20)
                    putHex4(out, c);
                else
                    out += static_cast<char>(c);
            }
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(p[i + 1].unicode())) {
            const char32_t u = QChar::surrogateToUcs4(c, p[i + 1].unicode());
            ++i;
            out += static_cast<char>(0xF0 | (u >> 18));
            out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else if (QChar::isSurrogate(c) || c == 0x2028 || c == 0x2029) {
            putHex4(out, c);
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    out += '"';
}

void putInt(Out& out, qint64 v) {
    char buf[24];
    const int len = std::snprintf(buf, sizeof buf, "%lld", static_cast<long long>(v));
    out.append(buf, static_cast<size_t>(len));
}

void putKey(Out& out, const char* key) {
    out += ",\"";
    out += key;
    out += "\":";
}

} // namespace

QByteArray Journal::toJson(const std::vector<Op>& ops, qint64 seq) {
    Out out;
    out.reserve(32 + ops.size() * 64);
    out += "{\"v\":1,\"seq\":";
    putInt(out, seq);
    out += ",\"ops\":[";
    bool firstOp = true;
    for (const Op& op : ops) {
        if (!firstOp) out += ',';
        firstOp = false;
        out += "{\"op\":\"";
        out += Op::kindName(op.kind);
        out += '"';
        switch (op.kind) {
        case Op::Kind::Attr:
            putKey(out, "node");
            putInt(out, op.node);
            putKey(out, "name");
            putString(out, op.name);
            putKey(out, "value");
            putString(out, op.value);
            break;
        case Op::Kind::RemoveAttr:
            putKey(out, "node");
            putInt(out, op.node);
            putKey(out, "name");
            putString(out, op.name);
            break;
        case Op::Kind::Style:
            putKey(out, "node");
            putInt(out, op.node);
            putKey(out, "name");
            putString(out, op.name);
            putKey(out, "value");
            putString(out, op.value);
            putKey(out, "css");
            putString(out, op.css);
            break;
        case Op::Kind::Text:
            putKey(out, "node");
            putInt(out, op.node);
            putKey(out, "value");
            putString(out, op.value);
            break;
        case Op::Kind::Html:
            putKey(out, "node");
            putInt(out, op.node);
            putKey(out, "value");
            putString(out, op.value);
            putKey(out, "first");
            putInt(out, op.first);
            putKey(out, "count");
            putInt(out, op.count);
            break;
        case Op::Kind::Insert:
            putKey(out, "parent");
            putInt(out, op.parent);
            putKey(out, "index");
            putInt(out, op.index);
            putKey(out, "tag");
            putString(out, op.name);
            putKey(out, "id");
            putInt(out, op.node);
            break;
        case Op::Kind::Remove:
            putKey(out, "node");
            putInt(out, op.node);
            break;
        case Op::Kind::Move:
            putKey(out, "node");
            putInt(out, op.node);
            putKey(out, "parent");
            putInt(out, op.parent);
            putKey(out, "index");
            putInt(out, op.index);
            break;
        case Op::Kind::Order:
        case Op::Kind::Forget:
            if (op.kind == Op::Kind::Order) {
                putKey(out, "parent");
                putInt(out, op.parent);
            }
            putKey(out, "ids");
            out += '[';
            for (size_t i = 0; i < op.ids.size(); ++i) {
                if (i) out += ',';
                putInt(out, op.ids[i]);
            }
            out += ']';
            break;
        case Op::Kind::Checked:
            putKey(out, "node");
            putInt(out, op.node);
            putKey(out, "value");
            out += op.flag ? "true" : "false";
            break;
        }
        out += '}';
    }
    out += "]}";
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

void Journal::dropSupersededOrders(std::vector<Op>& ops) {
    // Backwards: whether a later order of the section follows with nothing in between that
    // places anything but rows into it.
    std::unordered_map<int, bool> ordered;
    std::vector<bool> drop(ops.size(), false);
    for (size_t i = ops.size(); i-- > 0;) {
        const Op& op = ops[i];
        switch (op.kind) {
        case Op::Kind::Order:
            drop[i] = ordered[op.parent];
            ordered[op.parent] = true;
            break;
        case Op::Kind::Insert:
            if (op.name != QLatin1String("tr")) ordered[op.parent] = false;
            break;
        case Op::Kind::Move:
            ordered[op.parent] = false;
            break;
        case Op::Kind::Text:
        case Op::Kind::Html:
            ordered[op.node] = false;
            break;
        default:
            break;
        }
    }
    size_t kept = 0;
    for (size_t i = 0; i < ops.size(); ++i) {
        if (drop[i]) continue;
        if (kept != i) ops[kept] = std::move(ops[i]);
        ++kept;
    }
    ops.resize(kept);
}

} // namespace dom
