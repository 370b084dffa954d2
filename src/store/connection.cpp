#include "store/connection.h"

#include "store/dberror.h"
#include "store/drivetype.h"
#include "store/schema.h"

#include <QFileInfo>

namespace dayvane {

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
    } catch (const DbError &) {
        // Expected: a calendar database refuses the first key.
    }

    try {
        Database db = Database::open(path, key_from_connect_string(kSecondConnectString));
        upgrade_schema(db);
        result.database.emplace(std::move(db));
        result.step = OpenStep::Opened;
    } catch (const DbError &error) {
        result.step = error.number() == DbError::SchemaTooNew ? OpenStep::SchemaTooNew : OpenStep::NotValid;
        result.detail = error.description();
    }
    return result;
}

Database open_existing_database(const QString &path)
{
    Database db = Database::open(path, key_from_connect_string(kSecondConnectString));
    upgrade_schema(db);
    return db;
}

Database create_calendar_database(const QString &path)
{
    if (QFileInfo::exists(path))
        throw DbError(DbError::FileExists, QStringLiteral("The file %1 already exists.").arg(path),
                      kEngineSource);
    Database db = Database::open(path, key_from_connect_string(kSecondConnectString), Database::OpenMode::Create);
    create_schema(db);
    return db;
}

} // namespace dayvane
