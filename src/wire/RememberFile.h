#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

namespace push {

// The remember file ("registry" in the installation directory): one line without a line
// end, code page 936, fields joined by commas: flag, "1", account, scrambled password,
// nickname. Fields are not escaped: a comma inside a value shifts the fields after it.
namespace RememberFile {

struct RememberedLogin {
    int flag = 1;
    QString account;
    QString password; // plain; scrambled in the file
    QString nickname;
};

QByteArray build(const RememberedLogin& login);
// The line read back (spaces trimmed at both ends, split at commas); empty unless the
// first field's numeric value is 1. Fields missing from the line come back empty.
std::optional<RememberedLogin> parse(QByteArrayView bytes);

} // namespace RememberFile
} // namespace push
