#pragma once

#include <QByteArray>

#include <optional>

namespace dayvane {

// The longest text the scrambling covers: the length of its key stream.
inline constexpr int kMaxScrambleLength = 945;

// The stored form of a password (character codes 0-255, one byte each), and
// back: the routine is its own inverse. The result has the text's length and
// may hold any byte, zero and the apostrophe included, so it is kept and
// compared as bytes. Texts longer than kMaxScrambleLength give nullopt.
// Changing the key pieces makes every stored password unreadable.
std::optional<QByteArray> scramble_text(const QByteArray &text);

} // namespace dayvane
