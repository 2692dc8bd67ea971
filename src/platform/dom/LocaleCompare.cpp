#include "platform/dom/LocaleCompare.h"
#include <QCollator>
#include <QLocale>
#include <atomic>
#include <mutex>
#include <optional>

namespace dom {

namespace {

std::mutex g_mutex;
QLocale g_locale{QLocale::English, QLocale::UnitedStates};
std::atomic<int> g_generation{0};

bool isDigit(char16_t c) { return c >= '0' && c <= '9'; }

// 1 when decided (result in r), 0 when the collator must decide.
bool fastCompare(const QString& a, const QString& b, int& r) {
    if (a.size() != b.size()) return false;
    const QChar* pa = a.constData();
    const QChar* pb = b.constData();
    r = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char16_t x = pa[i].unicode();
        const char16_t y = pb[i].unicode();
        if (x == y) continue;
        if (!isDigit(x) || !isDigit(y)) return false;
        if (r == 0) r = x < y ? -1 : 1;
    }
    return true;
}

} // namespace

void LocaleCompare::setLocale(const QLocale& locale) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_locale = locale;
    g_generation.fetch_add(1, std::memory_order_release);
}

QLocale LocaleCompare::locale() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_locale;
}

int LocaleCompare::compare(const QString& a, const QString& b) {
    int r = 0;
    if (fastCompare(a, b, r)) return r;
    thread_local int generation = -1;
    thread_local std::optional<QCollator> collator;
    const int now = g_generation.load(std::memory_order_acquire);
    if (generation != now || !collator) {
        collator.emplace(locale());
        collator->setCaseSensitivity(Qt::CaseSensitive);
        collator->setNumericMode(false);
        collator->setIgnorePunctuation(false);
        generation = now;
    }
    const int c = collator->compare(a, b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

} // namespace dom
