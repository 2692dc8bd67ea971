#pragma once
#include <QLocale>
#include <QString>

namespace dom {

// String.prototype.localeCompare as Chromium computes it (ICU collation, tertiary
// strength) for the texts the pages sort: QCollator is ICU-backed on Debian. Chromium
// collates in its default locale, its UI language (navigator.language; "en" for the engine
// started without a language): the model uses "en" unless setLocale says otherwise, and the
// backend should set the engine's language here (or the engine's to match). For the texts
// that matter (times "MM/DD HH:MM", digits, a Chinese header) every locale gives the same
// order: white space < punctuation < digits < Han; only Latin letters against Han differ
// (en puts Latin first, zh Han first). Checked against QtWebEngine 6.4's Chromium.
// Texts of equal length that differ only in ASCII digits at the same places are compared
// directly (the same answer, without the collator).
class LocaleCompare {
public:
    static int compare(const QString& a, const QString& b);
    // The collation locale for all later compares (all threads).
    static void setLocale(const QLocale& locale);
    static QLocale locale();
};

} // namespace dom
