#pragma once
#include <QHash>
#include <QSet>
#include <QString>

struct AppContext;

// The currency pairs of the configuration document (Settings/ZEP/currency, one element per
// pair named by its symbol, shown while its Checked attribute reads 1): a pair seen for the
// first time is added there, shown.
//
// A symbol that cannot be an element addressed by a child path (not a valid XML name, or
// one with a namespace prefix) cannot be stored: such a pair is always shown, never offered
// in the settings, and noted in the log once. A stored pair without its Checked attribute
// shows the configuration's error box once (until reread) and is not shown.
//
// Quotes come many times a second and only the settings change what is stored, so each
// pair's answer is kept until reread().
class CurrencyPairs {
public:
    explicit CurrencyPairs(AppContext& ctx) : ctx_(ctx) {}

    // Whether the pair's quotes are shown; adds a pair not seen before.
    bool shown(const QString& symbol);
    // The stored settings may have changed: every stored pair is looked at again.
    void reread() { shown_.clear(); }

private:
    bool lookUp(const QString& symbol);
    bool stored(const QString& symbol);

    AppContext& ctx_;
    QHash<QString, bool> shown_;
    QSet<QString> unstorable_;
};
