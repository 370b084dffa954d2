#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace dayvane {

// A database server's address as the user wrote it (a libpq URI or a
// "key=value" string), read only the way libpq reads it. Each function that
// edits an address changes only the entries it names and keeps every other
// character of the text as it was, so an address libpq reads one way is
// never turned into one it reads another way. A location that is no server
// address (a file's path) passes through unchanged.

// The password written in `address` (its userinfo, a "password" query
// parameter or a "password=" entry), as libpq reads it; empty when there is
// none or libpq cannot read the address.
QByteArray server_address_password(const QString &address);

// `address` without any password written in it. Where the text cannot be
// cut so that libpq reads the same settings minus the password, the result
// is the same settings in the "key=value" form instead.
QString without_password(const QString &address);

// `address` for showing: every password written in it replaced by "***".
QString masked(const QString &address);

// The value of the setting `key` in `address` (unquoted, unescaped, decoded),
// none when the address does not set it. For the program's own settings,
// which libpq refuses.
std::optional<QString> address_setting(const QString &address, const QString &key);

// `address` without the setting `key`.
QString without_setting(const QString &address, const QString &key);

} // namespace dayvane
