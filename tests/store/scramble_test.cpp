#include "store/scramble.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

using namespace dayvane;

TEST(Scramble, IsItsOwnInverseOverEveryByte)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all += char(i);
    all = all.repeated(3).left(kMaxScrambleLength);
    const std::optional<QByteArray> once = scramble_text(all);
    ASSERT_TRUE(once);
    EXPECT_EQ(once->size(), all.size());
    EXPECT_NE(*once, all);
    EXPECT_EQ(*scramble_text(*once), all);
    EXPECT_EQ(*scramble_text(QByteArray()), QByteArray());
    EXPECT_FALSE(scramble_text(QByteArray(kMaxScrambleLength + 1, 'a')));
    // Key characters are printable, never zero: every byte changes.
    EXPECT_EQ(scramble_text("secret")->size(), 6);
    EXPECT_NE(*scramble_text("secret"), QByteArray("secret"));
}

TEST(Scramble, KeyStreamIsTheStoredPasswordsKeyToTheLastByte)
{
    // Every key piece in its place: a text as long as the key stream, space
    // to tilde over and over. scramble_known_answer.py beside this file
    // computes the digest from its own copy of the pieces and their order.
    QByteArray text;
    for (int i = 0; i < kMaxScrambleLength; ++i)
        text += char(32 + i % 95);
    EXPECT_EQ(QCryptographicHash::hash(*scramble_text(text), QCryptographicHash::Sha256).toHex().toStdString(),
              "6aa11278edc55ddeb9d6bb963cf5022c950558d193ee558e2816e4c0687e22f4");
}
