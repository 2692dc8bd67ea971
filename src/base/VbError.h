#pragma once
#include <QString>
#include <stdexcept>

// A numbered run-time error, raised to the code that called the failing operation (the
// timer service's 13651/13652, the registry's 26001, the document's 91).
class VbError : public std::runtime_error {
public:
    // The base of the timer service's numbers; the others are plain.
    static constexpr long ObjectErrorBase = 0x80040000L;

    VbError(long number, QString source, QString description)
        : std::runtime_error(description.toStdString()), number_(number), source_(std::move(source)),
          description_(std::move(description)) {}

    long number() const { return number_; }
    const QString& source() const { return source_; }
    const QString& description() const { return description_; }

private:
    long number_;
    QString source_;
    QString description_;
};
