#include "store/connection.h"

#include "store/databaseid.h"
#include "store/dberror.h"
#include "store/drivetype.h"
#include "store/postgresengine.h"
#include "store/schema.h"
#include "store/statement.h"
#include "store/serveraddress.h"

#include <QFile>
#include <QFileInfo>

namespace dayvane {

namespace {

// What an error while opening says about the file at `path`.
OpenResult refusal(const QString &path, const DbError &error)
{
    const QFileInfo info(path);
    switch (error.number()) {
    case DbError::SchemaTooNew:
        return {OpenStep::SchemaTooNew, std::nullopt, error.description()};
    case DbError::UpgradeFailed:
        return {OpenStep::UpgradeFailed, std::nullopt, error.description()};
    case DbError::Busy:
    case DbError::Locked:
        return {OpenStep::Busy, std::nullopt, error.description()};
    case DbError::IoError:
        // A folder in the file's place fails as a read too.
        if (!info.isDir())
            return {OpenStep::Unreadable, std::nullopt, error.description()};
        break;
    case DbError::CantOpen:
        // A file that is there but out of reach, rather than no file at all;
        // the system's reason says more than the engine's.
        if (info.isFile()) {
            QFile file(path);
            return {OpenStep::Unreadable, std::nullopt,
                    file.open(QIODevice::ReadOnly) ? error.description() : file.errorString()};
        }
        break;
    default:
        break;
    }
    return {OpenStep::NotValid, std::nullopt, error.description()};
}

// Why every save to the calendar database at `path` would fail; empty when
// the program may write it.
QString write_protection(const Database &db, const QString &path)
{
    if (db.read_only())
        return QStringLiteral("The calendar database ''%1'' is write-protected: no change could be saved.").arg(path);
    // The engine keeps the journal beside the file that links lead to.
    const QFileInfo file(QFileInfo(path).canonicalFilePath());
    if (!QFileInfo(file.absolutePath()).isWritable())
        return QStringLiteral("The folder of the calendar database ''%1'' is write-protected: no change could be "
                              "saved, since each save writes a journal file beside the database.")
            .arg(path);
    return {};
}

// A calendar database file, opened with the program's key.
Database open_file(const QString &path, Database::OpenMode mode = Database::OpenMode::Existing)
{
    return Database::open(path, key_from_connect_string(kSecondConnectString), mode);
}

// The calendar database at `location`, a file or a server, as it is.
Database open_location(const QString &location, const QByteArray &password)
{
    return is_server_address(location) ? Database::connect(location, password) : open_file(location);
}

} // namespace

QByteArray key_from_connect_string(const QString &connect)
{
    const QStringList entries = connect.split(u';', Qt::SkipEmptyParts);
    for (const QString &entry : entries) {
        if (entry.startsWith(QStringLiteral("PWD="), Qt::CaseInsensitive))
            return entry.mid(4).toUtf8();
    }
    return {};
}

OpenStep check_database_path(const QString &path)
{
    if (get_drive_type(path) == 0)
        return OpenStep::UnknownDrive;
    if (path.size() < kMinimumDatabasePathLength)
        return OpenStep::PathTooShort;
    if (!path.endsWith(kDatabaseFileName, Qt::CaseSensitive))
        return OpenStep::WrongFileName;
    return OpenStep::Opened;
}

OpenResult open_calendar_database(const QString &path)
{
    OpenResult result;
    result.step = check_database_path(path);
    if (result.step != OpenStep::Opened)
        return result;

    try {
        // Read only: a file that opens with this key is another program's,
        // and must be left exactly as it was.
        Database::open(path, key_from_connect_string(kFirstConnectString), Database::OpenMode::ReadOnly);
        // It opened (and closed again as the temporary went): not ours.
        result.step = OpenStep::OpensWithFirstKey;
        return result;
    } catch (const DbError &error) {
        // Expected: a calendar database refuses the first key. A busy or
        // unreachable file answers neither way, and the second key would
        // only wait or fail again.
        OpenResult refused = refusal(path, error);
        if (refused.step == OpenStep::Busy || refused.step == OpenStep::Unreadable)
            return refused;
    }

    try {
        Database db = open_file(path);
        // Refused now rather than at every save.
        if (const QString reason = write_protection(db, path); !reason.isEmpty())
            return {OpenStep::WriteProtected, std::nullopt, reason};
        upgrade_schema(db);
        result.database.emplace(std::move(db));
        result.step = OpenStep::Opened;
    } catch (const DbError &error) {
        return refusal(path, error);
    }
    return result;
}

bool is_calendar_server(const QString &location)
{
    return is_server_address(location);
}

OpenResult open_calendar_database_at(const QString &location, const QByteArray &password)
{
    if (!is_server_address(location))
        return open_calendar_database(location);
    try {
        Database db = Database::connect(location, password);
        upgrade_schema(db);
        return {OpenStep::Opened, std::move(db), {}};
    } catch (const DbError &error) {
        // What each of the server's refusals tells the window; any other
        // error: not a calendar database.
        static const std::pair<int, OpenStep> kSteps[] = {
            {DbError::ServerUnreachable, OpenStep::ServerUnreachable},
            {DbError::ServerGone, OpenStep::ServerUnreachable},
            {DbError::PasswordNeeded, OpenStep::PasswordNeeded},
            {DbError::AuthenticationFailed, OpenStep::AuthenticationFailed},
            {DbError::DatabaseMissing, OpenStep::DatabaseMissing},
            {DbError::RoleMissing, OpenStep::RoleMissing},
            {DbError::TooManyConnections, OpenStep::TooManyConnections},
            {DbError::BadAddress, OpenStep::BadAddress},
            {DbError::TlsRefused, OpenStep::TlsRefused},
            {DbError::SchemaTooNew, OpenStep::SchemaTooNew},
            {DbError::UpgradeFailed, OpenStep::UpgradeFailed},
            {DbError::UpgradeNeeded, OpenStep::UpgradeFailed},
            {DbError::Busy, OpenStep::Busy},
        };
        OpenStep step = OpenStep::NotValid;
        for (const auto &[number, told] : kSteps) {
            if (number == error.number())
                step = told;
        }
        return {step, std::nullopt, error.description()};
    }
}

Database open_existing_database(const QString &path, const QByteArray &password)
{
    Database db = open_location(path, password);
    upgrade_schema(db);
    return db;
}

Database open_for_inspection(const QString &location, const QByteArray &password)
{
    const bool server = is_server_address(location);
    Database db = server ? Database::connect(location, password) : open_file(location, Database::OpenMode::ReadOnly);
    if (server)
        db.exec(QStringLiteral("SET default_transaction_read_only = on;"));
    check_schema(db);
    return db;
}

int upgrade_calendar_database(const QString &location, const QByteArray &password)
{
    Database db = open_location(location, password);
    const int version = db.user_version();
    upgrade_schema(db);
    ensure_database_id(db);
    return version;
}

void snapshot_calendar_file(const QString &path, const QString &copy_path)
{
    // The file's bytes, copied while a read transaction keeps every writer
    // from changing them: the fastest consistent copy (no page is decrypted),
    // and a workstation's save waits only that long.
    Database source = open_file(path, Database::OpenMode::ReadOnly);
    source.exec(QStringLiteral("BEGIN;"));
    // The first read takes the lock, which the transaction keeps.
    source.prepare(QStringLiteral("SELECT count(*) FROM sqlite_master;")).step();
    QFile file(path);
    const bool copied = file.copy(copy_path);
    source.exec(QStringLiteral("COMMIT;"));
    if (!copied)
        throw DbError(DbError::IoError, QStringLiteral("The database could not be copied: ") + file.errorString(),
                      source.source());
}

Database create_calendar_database_at(const QString &location, const QByteArray &password)
{
    if (!is_server_address(location))
        return create_calendar_database(location);
    Database db = Database::connect(location, password);
    if (db.has_table(QStringLiteral("stored_query")) || db.has_table(QStringLiteral("calendars")))
        throw DbError(DbError::FileExists,
                      QStringLiteral("The database %1 holds calendar tables already.").arg(masked(location)), db.source());
    create_schema(db);
    return db;
}

Database create_calendar_database(const QString &path)
{
    if (QFileInfo::exists(path))
        throw DbError(DbError::FileExists, QStringLiteral("The file %1 already exists.").arg(path),
                      QStringLiteral("SQLCipher"));
    Database db = open_file(path, Database::OpenMode::Create);
    create_schema(db);
    return db;
}

} // namespace dayvane
