#include "wire/PasswordDigest.h"
#include <QCryptographicHash>
#include <gtest/gtest.h>
#include <random>

using push::PasswordDigest::digest;
using push::PasswordDigest::md5;

TEST(PasswordDigest, Rfc1321TestSuite) {
    const std::pair<const char*, const char*> suite[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const auto& [text, expected] : suite) EXPECT_EQ(digest(text), QLatin1String(expected)) << text;
}

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
