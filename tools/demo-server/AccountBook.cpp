#include "AccountBook.h"
#include <QFile>

namespace {

std::optional<AccountBook::Account> parseLine(const QString& line) {
    const QStringList f = line.split(QLatin1Char('|'));
    if (f.size() != 5) return std::nullopt;
    AccountBook::Account a;
    a.name = f[0].trimmed();
    a.password = f[1].trimmed();
    a.nickname = f[2].trimmed();
    const QString flag = f[3].trimmed();
    const QString state = f[4].trimmed();
    if (a.name.isEmpty() || flag.size() != 1 || flag[0].unicode() > 0x7F) return std::nullopt;
    if (state != QLatin1String("active") && state != QLatin1String("inactive")) return std::nullopt;
    a.flag = char(flag[0].unicode());
    a.active = state == QLatin1String("active");
    return a;
}

} // namespace

bool AccountBook::load(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        return false;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        if (const auto account = parseLine(line)) {
            accounts_.append(*account);
        } else {
            ++skipped_;
        }
    }
    return true;
}

std::optional<AccountBook::Account> AccountBook::find(const QString& name) const {
    for (const Account& a : accounts_) {
        if (a.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0) return a;
    }
    return std::nullopt;
}

AccountBook::Verdict AccountBook::check(const QString& name, const QString& password) const {
    const auto account = find(name);
    if (!account) return Verdict::Unknown;
    if (account->password != password) return Verdict::WrongPassword;
    return account->active ? Verdict::Success : Verdict::Inactive;
}
