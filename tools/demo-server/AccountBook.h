#pragma once
#include <QList>
#include <QString>
#include <optional>

// The demo accounts, read from a text file (see demo-data/accounts.txt), and the login
// server's verdict on a pair of credentials.
class AccountBook {
public:
    struct Account {
        QString name; // e-mail address or mobile number
        QString password;
        QString nickname;
        char flag = '0'; // sent in the login reply, kept by the client
        bool active = true;
    };
    // The login reply codes.
    enum class Verdict : char { Success = '1', WrongPassword = '2', Inactive = '3', Unknown = '4' };

    // Reads the file; lines that are empty, comments or malformed are skipped and counted.
    bool load(const QString& path, QString* error);

    // E-mail addresses match without regard to case, as sign-up forms do.
    std::optional<Account> find(const QString& name) const;
    Verdict check(const QString& name, const QString& password) const;
    const QList<Account>& all() const { return accounts_; }
    int skippedLines() const { return skipped_; }

private:
    QList<Account> accounts_;
    int skipped_ = 0;
};
