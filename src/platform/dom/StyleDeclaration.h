#pragma once
#include <QString>
#include <utility>
#include <vector>

namespace dom {

// The declarations of an inline style attribute: "name: value" pairs in order, names in
// lower case. Parsing splits at ";" outside quotes and parentheses and drops chunks
// without a ":" (a browser drops invalid declarations too); the last of a repeated name
// wins, in the position of the first.
class StyleDeclaration {
public:
    static StyleDeclaration parse(const QString& css);
    // "a: b; c: d;" (Chromium's cssText form); "" when empty.
    QString serialize() const;

    QString get(const QString& name) const;              // name in lower case
    void set(const QString& name, const QString& value); // "" removes
    bool empty() const { return decls_.empty(); }
    const std::vector<std::pair<QString, QString>>& declarations() const { return decls_; }

    // "backgroundColor" -> "background-color"; lower case; "cssFloat"/"styleFloat" -> float.
    static QString propertyName(const QString& name);
    // Whether css contains a display:none declaration (fast path, no allocation when the
    // text has no "display").
    static bool saysDisplayNone(const QString& css);

private:
    std::vector<std::pair<QString, QString>> decls_;
};

} // namespace dom
