#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace dayvane {

class Database;

// The protections a calendar server enforces itself (see
// serversecurity.cpp): roles, session-bound proofs, row-level security and
// an append-only history. A file has none of them; there every protection is
// the program's own. Each function throws DbError.

// The group role whose members are the workstations' logins.
inline const QString kWorkstationRole = QStringLiteral("dayvane_workstation");

// The server schema version that brought these protections.
inline constexpr int kServerSecurityVersion = 3;

// The columns of `table` that only a server has, stamped by it.
const QStringList &server_stamp_columns(const QString &table);

// Installs roles, functions and policies into a server database whose tables
// exist; run by the tables' owner inside the creating or upgrading transaction.
void install_server_security(Database &db);

// Makes the login `role` a workstation of the server (a member of
// kWorkstationRole); run by the owner, who needs CREATEROLE.
void grant_workstation(Database &db, const QString &role);

// Whether the connection runs as the tables' owner or a superuser, which
// passes every protection.
bool administers(Database &db);

// The warning for such a connection; empty for a workstation's or a file.
QString privileged_connection_warning(Database &db);

// Whether the database is a server that holds the proofs itself.
bool server_holds_proofs(Database &db);

// A user's password proved on the server, as the program's own check reads
// it; a proof lasts for the session (and is made again after a reconnect).
struct UserProof
{
    bool found = false;
    QString name;
    bool has_password = false;
    bool proven = false;
};
UserProof prove_user_on_server(Database &db, qint32 user_id, const QByteArray &scrambled);

// The server's answer to the program's system password check for the
// password entered (nullopt: none entered); a match is the session's proof.
enum class SystemPasswordState { Undefined, NullValue, Match, Mismatch };
SystemPasswordState check_system_password_on_server(Database &db, const std::optional<QByteArray> &scrambled);

// Ends the session's proof of the system password.
void forget_system_password_on_server(Database &db);

// Defines or changes the system password (the current one proved first).
void set_system_password_on_server(Database &db, const QByteArray &scrambled);

// Keeps (or, not `proven`, drops) the system password proved by the query
// Q011a, so that a reconnect proves it again.
void note_system_password_proof(Database &db, const QByteArray &scrambled, bool proven);

// Claims the calendar's days for the transaction under way, which a server
// requires before any of them is written; nothing on a file.
void claim_calendar_days(Database &db, qint32 calendar_id);

// Removes the history entries whose time text is before `before`, through
// the server's function that needs the system password's proof.
int prune_history_on_server(Database &db, const QString &before);

} // namespace dayvane
