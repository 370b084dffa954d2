#include "printing/reportdatabase.h"

#include "printing/engine/reportdata.h"
#include "store/database.h"
#include "store/dberror.h"
#include "store/stepnumber.h"
#include "store/transaction.h"
#include "ui_common/appfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace dayvane {

namespace {

constexpr int kFirstRowStep = 6;

// A file step that failed: the error report names the file.
[[noreturn]] void throw_file_error(const QString &what, const QString &path, const QString &reason)
{
    throw DbError(DbError::ProgramError, QStringLiteral("%1 ''%2'': %3").arg(what, QDir::toNativeSeparators(path), reason),
                  kReportSource);
}

Database open_report_database(const QString &path)
{
    Database db = Database::open(path, QByteArray());
    // The rows are rebuilt for every report: losing them to a power cut
    // costs nothing, waiting for the disk on every row would.
    db.exec(QStringLiteral("PRAGMA synchronous = OFF;"));
    return db;
}

} // namespace

QString report_database_path()
{
    return QDir(settings_folder()).filePath(kReportDatabaseName);
}

Database prepare_report_database(const QString &path)
{
    const QString scratch = QFileInfo(path).dir().filePath(kReportScratchName);
    QFile::remove(scratch);  // a leftover of an earlier run; missing is fine

    set_step_number(1);
    if (!QFileInfo::exists(path)) {
        // The empty one shipped with the program, or else a new one.
        const QString shipped = find_shipped_file(kReportDatabaseName);
        if (!QFileInfo(shipped).isFile() || !QFile::copy(shipped, path)) {
            Database created = Database::open(path, QByteArray(), Database::OpenMode::Create);
            create_report_table(created);
        } else {
            QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }
    {
        Database db = open_report_database(path);
        set_step_number(2);
        create_report_table(db);  // a file emptied by hand still works
        db.exec(QStringLiteral("DELETE FROM T000;"));
        set_step_number(3);
        // The engine has no VACUUM INTO: export into an empty plain file,
        // made here because an attached file is opened without creating.
        QFile empty(scratch);
        if (!empty.open(QIODevice::WriteOnly))
            throw_file_error(QStringLiteral("Cannot create"), scratch, empty.errorString());
        empty.close();
        Statement attach = db.prepare(QStringLiteral("ATTACH DATABASE ? AS compacted KEY '';"));
        attach.bind(1, scratch);
        attach.exec();
        db.exec(QStringLiteral("SELECT sqlcipher_export('compacted'); DETACH DATABASE compacted;"));
    }
    set_step_number(4);
    if (QFile::exists(path) && !QFile::remove(path))
        throw_file_error(QStringLiteral("Cannot replace"), path, QStringLiteral("the file cannot be removed."));
    QFile copy(scratch);
    if (!copy.copy(path))
        throw_file_error(QStringLiteral("Cannot copy"), scratch, copy.errorString());
    QFile::remove(scratch);

    set_step_number(5);
    return open_report_database(path);
}

void write_report_rows(Database &db, const std::vector<ReportRow> &rows)
{
    Transaction transaction(db);
    int step = kFirstRowStep;
    for (const ReportRow &row : rows) {
        set_step_number(step++);
        insert_report_row(db, row);
    }
    transaction.commit();
}

} // namespace dayvane
