#include "store/scramble.h"

#include <QCryptographicHash>

#include <gtest/gtest.h>

using namespace dayvane;

TEST(Scramble, KeyStreamIsTheStoredPasswordsKeyToTheLastByteAndItsOwnInverse)
{
    // Every character code over the whole key stream, every key piece in
    // its place: scramble_known_answer.py beside this file computes the
    // digest from its own copy of the pieces and their order.
    QByteArray text;
    for (int i = 0; i < kMaxScrambleLength; ++i)
        text += char(i % 256);
    const QByteArray once = scramble_text(text).value();
    EXPECT_EQ(QCryptographicHash::hash(once, QCryptographicHash::Sha256).toHex().toStdString(),
              "ca48e9dafef8302c8749aee7bdd23ec60ef19def7773eee4630e53e19ddd3253");
    EXPECT_EQ(scramble_text(once), text);
    EXPECT_EQ(scramble_text(QByteArray()), QByteArray());
    EXPECT_EQ(scramble_text(QByteArray(kMaxScrambleLength + 1, 'a')), std::nullopt);
}
