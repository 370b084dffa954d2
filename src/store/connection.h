#pragma once

#include "store/database.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace dayvane {

// The calendar database file's only accepted name.
inline const QString kDatabaseFileName = QStringLiteral("QZDB.mdb");
// The shortest possible path: the file in the root of a drive.
inline constexpr int kMinimumDatabasePathLength = 11;

// The two candidate connect strings: a calendar database must refuse the
// first and open with the second.
inline const QString kFirstConnectString = QStringLiteral(";PWD=tqd73kw5");
inline const QString kSecondConnectString = QStringLiteral(";PWD=4718305296");

// The database key named by a connect string's PWD= entry (empty if none).
QByteArray key_from_connect_string(const QString &connect);

// Where opening the calendar database stopped. The numbers are the steps of
// the open procedure, so the window that shows the message can tell them
// apart; Opened means the connection is ready.
enum class OpenStep {
    Opened = 0,
    UnknownDrive = 5,        // not a fixed or network drive
    PathTooShort = 6,        // shorter than kMinimumDatabasePathLength
    WrongFileName = 7,       // does not end in exactly "QZDB.mdb"
    OpensWithFirstKey = 8,   // some other database: the first key opens it
    NotValid = 9,            // the second key does not open it, or it holds no calendar schema
    SchemaTooNew = 10,       // a calendar database from a newer program
    // The file is there but cannot be used just now: no verdict on it.
    Busy = 11,        // another connection kept it locked past the busy timeout
    Unreadable = 12,  // an I/O error or no access; the detail gives the reason
    // The program may not write the file or its folder (where each save
    // keeps its journal); the detail is the message naming the file.
    WriteProtected = 13,
    // A database server's answers (the file checks above are for files).
    ServerUnreachable = 14,     // no answer within the time-out: may pass
    PasswordNeeded = 15,        // ask the user, then try again
    AuthenticationFailed = 16,  // the user name or password was refused
    DatabaseMissing = 17,       // the server has no database of that name
    RoleMissing = 18,           // the server has no user of that name
    TooManyConnections = 19,    // the server takes no more connections: may pass
    BadAddress = 20,            // the address cannot be read; the detail says why
    TlsRefused = 21,            // the secure connection the address asks for failed
    // A calendar database of an older version that could not be brought up
    // to date; the detail says why. Not a verdict on the database.
    UpgradeFailed = 22,
};

struct OpenResult
{
    OpenStep step = OpenStep::NotValid;
    std::optional<Database> database;  // set exactly when step is Opened
    QString detail;                    // the engine's description, where there is one
};

// The path checks that come before any open: drive, length, file name.
OpenStep check_database_path(const QString &path);

// Runs the path checks, then the two candidate opens, then brings an older
// schema up to date. No connection stays open after a failure.
OpenResult open_calendar_database(const QString &path);

// Opens the calendar database at `location`, a file or a server address
// (see is_calendar_server): for a server, connects with `password` where the
// address and libpq's password file give none, checks the schema and brings
// an older one up to date.
OpenResult open_calendar_database_at(const QString &location, const QByteArray &password = {});

// True when `location` names a database server rather than a file.
bool is_calendar_server(const QString &location);

// Opens a calendar database, file or server, without the file's path checks
// (tools, tests); a server with `password` where the address and libpq's
// password file give none. Throws DbError: 26 for a wrong key, SchemaMissing
// or SchemaTooNew, or a server's refusal.
Database open_existing_database(const QString &path, const QByteArray &password = {});

// Opens a calendar database, file or server, to look at it only: the file
// read only, the server's session read only, and an older schema left as it
// is (an upgrade would lock out the older programs still using it). Throws
// DbError as open_existing_database does.
Database open_for_inspection(const QString &location, const QByteArray &password = {});

// Brings the calendar database at `location` up to this program's schema,
// and gives one without an id of its own its id (see databaseid.h).
// Returns the version it had. Throws DbError as open_existing_database does.
int upgrade_calendar_database(const QString &location, const QByteArray &password = {});

// Copies the calendar file at `path` into the new file `copy_path` as it is
// at one moment, keeping writers out only while its bytes are copied.
// Throws DbError.
void snapshot_calendar_file(const QString &path, const QString &copy_path);

// Creates a new calendar database with schema and stored queries: a file at
// `location`, keyed with the second connect string, or the tables in an empty
// database on a server (connecting with `password` as open_existing_database
// does). Throws DbError if the file exists or the server's database holds
// tables already.
Database create_calendar_database_at(const QString &location, const QByteArray &password = {});

// Creates a new calendar database at `path` with schema and stored queries,
// keyed with the second connect string. Throws DbError if the file exists.
Database create_calendar_database(const QString &path);

} // namespace dayvane
