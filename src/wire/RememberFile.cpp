#include "wire/RememberFile.h"
#include "base/Cp936.h"
#include "base/VbText.h"
#include "wire/PasswordScramble.h"
#include <QList>

namespace push::RememberFile {

namespace {
enum Field { Flag, Second, Account, Password, Nickname };

QByteArrayView trimSpaces(QByteArrayView b) {
    while (!b.isEmpty() && b.front() == ' ') b = b.sliced(1);
    while (!b.isEmpty() && b.back() == ' ') b.chop(1);
    return b;
}

// Commas and spaces are single bytes that no double-byte character contains, so the
// line is split and trimmed as bytes and the password unscrambled before any decoding.
QList<QByteArrayView> fields(QByteArrayView line) {
    QList<QByteArrayView> out;
    qsizetype start = 0;
    for (qsizetype comma; (comma = line.indexOf(',', start)) >= 0; start = comma + 1)
        out.append(line.sliced(start, comma - start));
    out.append(line.sliced(start));
    return out;
}
} // namespace

QByteArray build(const RememberedLogin& login) {
    return QByteArray::number(login.flag) + ",1," + cp936::encode(login.account) + ',' +
           PasswordScramble::scramble(login.password) + ',' + cp936::encode(login.nickname);
}

std::optional<RememberedLogin> parse(QByteArrayView bytes) {
    const QList<QByteArrayView> f = fields(trimSpaces(bytes));
    const auto text = [&](Field i) { return i < f.size() ? cp936::decode(f[i].toByteArray()) : QString(); };
    if (vb::Val(text(Flag)) != 1) return std::nullopt;
    RememberedLogin login;
    login.account = text(Account);
    login.password = Password < f.size() ? PasswordScramble::unscramble(f[Password]) : QString();
    login.nickname = text(Nickname);
    return login;
}

} // namespace push::RememberFile
