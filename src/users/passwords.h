#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>

namespace dayvane {

class RecordSet;

// Passwords travel between the boxes and the database in scrambled form, one
// byte per character (codes 0-255). The scrambled bytes are bound and
// compared as they are, never converted to text.

// The stored form of a typed password; nullopt when it holds a character
// beyond code 255 or is longer than the scrambling covers.
std::optional<QByteArray> scramble_password(const QString &typed);

// The typed form of a stored password field; "" when null.
QString unscramble_password(const QVariant &stored);

// Whether a user record (Q010, Q015, Q017) holds a password: a server tells
// that without the password itself, which never leaves it.
bool has_stored_password(const RecordSet &user);

// The message for a password that scramble_password refuses.
QString password_not_storable_message();

} // namespace dayvane
