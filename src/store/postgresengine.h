#pragma once

#include "store/database.h"
#include "store/engine.h"

#include <QByteArray>

typedef struct pg_conn PGconn;

namespace dayvane {

// The engine of calendar databases kept in a PostgreSQL server, through
// libpq.

// True when `location` names a server (a libpq URI or a "key=value"
// connection string) rather than a file.
bool is_server_address(const QString &location);

// Connects to the server at `address` within five seconds. `password` is
// used when not empty and the address carries none (libpq's password file
// is read otherwise). Throws DbError: BadAddress, ServerUnreachable,
// PasswordNeeded, AuthenticationFailed, RoleMissing, DatabaseMissing,
// TooManyConnections or TlsRefused, described with libpq's reason.
std::unique_ptr<DatabaseEngine> connect_postgres(const QString &address, const QByteArray &password);

// SQL with ":Name" and "?" parameters in the server's "$n" form, and the
// parameters' names in order (":Name", or empty for "?"); a name used twice
// is one parameter, as on a file.
struct ServerSql
{
    QByteArray text;
    QStringList parameters;
};
ServerSql to_server_sql(const QString &sql);

// The server connection of a database, for benchmarks that compare with bare
// libpq; null for a database of another engine.
PGconn *postgres_handle(Database &db);
// Requests this connection has waited for so far (each a round trip).
qint64 postgres_round_trips(Database &db);

} // namespace dayvane
