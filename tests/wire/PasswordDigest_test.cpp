#include "wire/PasswordDigest.h"
#include <QCryptographicHash>
#include <gtest/gtest.h>
#include <random>

using push::PasswordDigest::digest;
using push::PasswordDigest::md5;

TEST(PasswordDigest, AgreesWithQtOnRandomInputs) {
    std::mt19937 rng(1321);
    for (int i = 0; i < 1000; ++i) {
        QByteArray message(static_cast<int>(rng() % 300), '\0'); // every padding case
        for (char& c : message) c = static_cast<char>(rng());
        const auto d = md5(message);
        const QByteArray mine(reinterpret_cast<const char*>(d.data()), 16);
        ASSERT_EQ(mine, QCryptographicHash::hash(message, QCryptographicHash::Md5)) << i;
    }
}

TEST(PasswordDigest, ChineseCharactersGiveTheirCodePageBytes) {
    EXPECT_EQ(digest(QStringLiteral("中")),
              QString::fromLatin1(QCryptographicHash::hash("\xD6\xD0", QCryptographicHash::Md5).toHex()));
}
