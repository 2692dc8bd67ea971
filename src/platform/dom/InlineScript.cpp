#include "platform/dom/InlineScript.h"
#include "platform/dom/Document.h"
#include "platform/dom/Element.h"
#include <vector>

namespace dom {

namespace {

struct Token {
    enum Kind { Ident, String, Punct, Other, End } kind;
    QString text;
};

bool identStart(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           c == QLatin1Char('_') || c == QLatin1Char('$') || c.unicode() >= 0x80;
}
bool identPart(QChar c) { return identStart(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')); }

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') return u - '0';
    if (u >= 'a' && u <= 'f') return u - 'a' + 10;
    if (u >= 'A' && u <= 'F') return u - 'A' + 10;
    return -1;
}

std::vector<Token> lex(const QString& s) {
    std::vector<Token> out;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        const QChar c = s.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (identStart(c)) {
            const qsizetype b = i;
            while (i < n && identPart(s.at(i))) ++i;
            out.push_back({Token::Ident, s.mid(b, i - b)});
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            QString lit;
            ++i;
            bool closed = false;
            while (i < n) {
                QChar d = s.at(i++);
                if (d == c) {
                    closed = true;
                    break;
                }
                if (d == QLatin1Char('\\') && i < n) {
                    const QChar e = s.at(i++);
                    switch (e.unicode()) {
                    case 'n':
                        lit += QLatin1Char('\n');
                        break;
                    case 't':
                        lit += QLatin1Char('\t');
                        break;
                    case 'r':
                        lit += QLatin1Char('\r');
                        break;
                    case 'b':
                        lit += QChar(8);
                        break;
                    case 'f':
                        lit += QChar(12);
                        break;
                    case 'v':
                        lit += QChar(11);
                        break;
                    case '0':
                        lit += QChar(0);
                        break;
                    case 'x':
                    case 'u': {
                        const int digits = e == QLatin1Char('x') ? 2 : 4;
                        int v = 0;
                        int k = 0;
                        for (; k < digits && i + k < n && hexValue(s.at(i + k)) >= 0; ++k)
                            v = v * 16 + hexValue(s.at(i + k));
                        if (k == digits) {
                            lit += QChar(static_cast<char16_t>(v));
                            i += k;
                        } else {
                            lit += e;
                        }
                        break;
                    }
                    case '\n':
                        break; // line continuation
                    default:
                        lit += e;
                    }
                    continue;
                }
                lit += d;
            }
            out.push_back({closed ? Token::String : Token::Other, lit});
        } else if (c == QLatin1Char('.') || c == QLatin1Char('=') || c == QLatin1Char('(') || c == QLatin1Char(')') ||
                   c == QLatin1Char(';') || c == QLatin1Char(',')) {
            out.push_back({Token::Punct, QString(c)});
            ++i;
        } else {
            out.push_back({Token::Other, QString(c)});
            ++i;
        }
    }
    return out;
}

bool isPunct(const Token& t, char c) {
    return t.kind == Token::Punct && t.text.size() == 1 && t.text.at(0) == QLatin1Char(c);
}

class Runner {
public:
    Runner(Document& doc, Element* self) : doc_(doc), self_(self) {}

    // Returns false when the script ends (return).
    bool statement(const std::vector<Token>& t) {
        if (t.empty()) return true;
        if (t[0].kind == Token::Ident && t[0].text == QLatin1String("return")) return false;
        // sortTable('id')
        if (t.size() == 4 && t[0].kind == Token::Ident && t[0].text == QLatin1String("sortTable") &&
            isPunct(t[1], '(') && t[2].kind == Token::String && isPunct(t[3], ')')) {
            doc_.sortTable(t[2].text);
            return true;
        }
        // Target: this | id
        if (t.size() < 3 || t[0].kind != Token::Ident || !isPunct(t[1], '.')) return true;
        Element* target = t[0].text == QLatin1String("this") ? self_ : doc_.getElementById(t[0].text);
        if (!target) return true;
        // X.fireEvent('name')
        if (t.size() == 6 && t[2].kind == Token::Ident && t[2].text == QLatin1String("fireEvent") &&
            isPunct(t[3], '(') && t[4].kind == Token::String && isPunct(t[5], ')')) {
            target->fireEvent(t[4].text);
            return true;
        }
        // X.prop = 'literal'
        if (t.size() == 5 && t[2].kind == Token::Ident && isPunct(t[3], '=') && t[4].kind == Token::String) {
            const QString& prop = t[2].text;
            const QString& v = t[4].text;
            if (prop == QLatin1String("innerText") || prop == QLatin1String("textContent"))
                target->setInnerText(v);
            else if (prop == QLatin1String("innerHTML"))
                target->setInnerHTML(v);
            else if (prop == QLatin1String("className"))
                target->setClassName(v);
            else if (prop == QLatin1String("title"))
                target->setTitle(v);
            return true;
        }
        // X.style.prop = 'literal'
        if (t.size() == 7 && t[2].kind == Token::Ident && t[2].text == QLatin1String("style") && isPunct(t[3], '.') &&
            t[4].kind == Token::Ident && isPunct(t[5], '=') && t[6].kind == Token::String) {
            target->setStyle(t[4].text, t[6].text);
            return true;
        }
        return true;
    }

private:
    Document& doc_;
    Element* self_;
};

} // namespace

void InlineScript::run(Document& doc, Element* self, const QString& code) {
    QString src = code.trimmed();
    if (src.startsWith(QLatin1String("javascript:"), Qt::CaseInsensitive)) src = src.mid(11);
    const std::vector<Token> tokens = lex(src);
    Runner runner(doc, self);
    std::vector<Token> stmt;
    for (const Token& t : tokens) {
        if (isPunct(t, ';')) {
            if (!runner.statement(stmt)) return;
            stmt.clear();
        } else {
            stmt.push_back(t);
        }
    }
    runner.statement(stmt);
}

} // namespace dom
