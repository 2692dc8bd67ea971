#include "platform/dom/StyleDeclaration.h"

namespace dom {

StyleDeclaration StyleDeclaration::parse(const QString& css) {
    StyleDeclaration d;
    qsizetype start = 0;
    const qsizetype n = css.size();
    auto chunk = [&](qsizetype from, qsizetype to) {
        const QString part = css.mid(from, to - from);
        const qsizetype colon = part.indexOf(QLatin1Char(':'));
        if (colon <= 0) return;
        const QString name = part.left(colon).trimmed().toLower();
        const QString value = part.mid(colon + 1).trimmed();
        if (name.isEmpty() || value.isEmpty()) return;
        d.set(name, value);
    };
    int paren = 0;
    QChar quote;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = css.at(i);
        if (!quote.isNull()) {
            if (c == QLatin1Char('\\'))
                ++i;
            else if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('(')) {
            ++paren;
        } else if (c == QLatin1Char(')')) {
            if (paren > 0) --paren;
        } else if (c == QLatin1Char(';') && paren == 0) {
            chunk(start, i);
            start = i + 1;
        }
    }
    if (start < n) chunk(start, n);
    return d;
}

QString StyleDeclaration::serialize() const {
    QString out;
    for (const auto& [name, value] : decls_) {
        if (!out.isEmpty()) out += QLatin1Char(' ');
        out += name;
        out += QLatin1String(": ");
        out += value;
        out += QLatin1Char(';');
    }
    return out;
}

QString StyleDeclaration::get(const QString& name) const {
    for (const auto& [n, v] : decls_)
        if (n == name) return v;
    return QString();
}

void StyleDeclaration::set(const QString& name, const QString& value) {
    for (auto it = decls_.begin(); it != decls_.end(); ++it) {
        if (it->first == name) {
            if (value.isEmpty())
                decls_.erase(it);
            else
                it->second = value;
            return;
        }
    }
    if (!value.isEmpty()) decls_.emplace_back(name, value);
}

QString StyleDeclaration::propertyName(const QString& name) {
    const QString t = name.trimmed();
    if (t == QLatin1String("cssFloat") || t == QLatin1String("styleFloat")) return QStringLiteral("float");
    QString out;
    out.reserve(t.size() + 4);
    for (QChar c : t) {
        if (c.isUpper() && c.unicode() < 128) {
            out += QLatin1Char('-');
            out += c.toLower();
        } else {
            out += c;
        }
    }
    return out.toLower();
}

bool StyleDeclaration::saysDisplayNone(const QString& css) {
    if (!css.contains(QLatin1String("display"), Qt::CaseInsensitive)) return false;
    return parse(css).get(QStringLiteral("display")).compare(QLatin1String("none"), Qt::CaseInsensitive) == 0;
}

} // namespace dom
