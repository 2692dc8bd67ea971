#include "quotes/CurrencyPairs.h"
#include "base/VbText.h"
#include "config/cls_Config.h"
#include "core/AppContext.h"
#include "platform/Platform.h"

namespace {

const QString Currency = QStringLiteral("Settings/ZEP/currency");
const QString Checked = QStringLiteral("Checked");

} // namespace

bool CurrencyPairs::shown(const QString& symbol) {
    const auto known = shown_.constFind(symbol);
    if (known != shown_.constEnd()) return *known;
    const bool on = lookUp(symbol);
    shown_.insert(symbol, on);
    return on;
}

bool CurrencyPairs::lookUp(const QString& symbol) {
    if (unstorable_.contains(symbol) || !stored(symbol)) return true;
    return vb::Val(ctx_.Config->GetNodeAttrib(Currency + u'/' + symbol, Checked)) == 1;
}

// Whether the pair has its element, which is added when the pair is new. A prefixed name
// would be added, but a child path without its namespace could never read it back.
bool CurrencyPairs::stored(const QString& symbol) {
    cls_Config& config = *ctx_.Config;
    if (!symbol.contains(u':')) {
        if (config.isExist(Currency, symbol)) return true;
        config.AddQuota(symbol, QStringLiteral("1"));
        if (config.isExist(Currency, symbol)) return true;
    }
    unstorable_.insert(symbol);
    ctx_.platform.log().write(QStringLiteral("quot_center"),
                              QStringLiteral("the pair \"%1\" is no valid element name: it is shown, but not "
                                             "kept in the configuration nor offered in the settings")
                                  .arg(symbol));
    return false;
}
