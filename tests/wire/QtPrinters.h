#pragma once
#include <QString>
#include <ostream>

// Readable failure messages for Qt text in GoogleTest.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
