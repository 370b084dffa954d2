// dayvane-db: creates, fills with demo data, checks and copies calendar
// databases, files or on a database server, from the command line.

#include "databasecopy.h"
#include "demodata.h"
#include "historycommands.h"
#include "terminalpassword.h"
#include "yearexport.h"

#include "model/textforms.h"
#include "printing/engine/reportdata.h"
#include "store/connection.h"
#include "store/dberror.h"
#include "store/recordset.h"
#include "store/schema.h"
#include "store/serveraddress.h"
#include "store/serversecurity.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <iostream>
#include <map>
#include <optional>

namespace {

using namespace dayvane;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// Asked for (--help): on standard output, exit 0; after a wrong call on
// standard error, exit 2.
int usage(QTextStream &stream = err(), int exit_code = 2)
{
    stream << "Usage: dayvane-db create PATH      create an empty calendar database\n"
              "       dayvane-db demo PATH        create a database filled with demo calendars\n"
              "       dayvane-db check PATH       check a database and list what it holds\n"
              "       dayvane-db copy SOURCE TARGET  copy a whole database into an empty one\n"
              "       dayvane-db report PATH      create an empty report database (QZX.mdb)\n"
              "       dayvane-db export PATH CALENDAR YEAR --ics|--csv OUTPUT [--csv-separator ';']\n"
              "                                   write a calendar year as iCalendar or CSV; OUTPUT - is\n"
              "                                   standard output; CSV fields are separated by , or, for\n"
              "                                   spreadsheets that want it, by ;\n"
              "       dayvane-db history PATH [CALENDAR]\n"
              "                                   print who changed what, newest first, tab-separated\n"
              "       dayvane-db prune-history PATH --before YYYY-MM-DD\n"
              "                                   remove the history of changes made before that day\n"
              "       dayvane-db upgrade PATH     bring a database of an older version up to this one\n"
              "       dayvane-db grant ADDRESS ROLE\n"
              "                                   let the server's login ROLE work as a workstation\n"
              "       dayvane-db --help           print this text\n"
              "PATH names the database file, normally .../QZDB.mdb, or for every command but report\n"
              "a database server's address (postgresql://user@host/dbname).\n";
    return exit_code;
}

// What `open` returns for `location`, given the password for it typed
// earlier in the run; when the server asks for a password, it is asked on the
// terminal once, as the program's window asks, and `open` tried again.
template <typename Open>
auto with_password(const QString &location, Open open) -> decltype(open(QByteArray()))
{
    static std::map<QString, QByteArray> typed;
    try {
        return open(typed[location]);
    } catch (const DbError &error) {
        if (error.number() != DbError::PasswordNeeded || !typed[location].isEmpty() || !std::cin)
            throw;
        typed[location] = read_password(err(), QStringLiteral("Password for %1: ").arg(masked(location))).toUtf8();
        return open(typed[location]);
    }
}

Database connect_server(const QString &location)
{
    return with_password(location, [&](const QByteArray &password) { return Database::connect(location, password); });
}

Database open_existing(const QString &location)
{
    return with_password(location, [&](const QByteArray &password) { return open_existing_database(location, password); });
}

// Read only, an older version left as it is: looking changes nothing.
Database inspect(const QString &location)
{
    return with_password(location, [&](const QByteArray &password) { return open_for_inspection(location, password); });
}

Database create_at(const QString &location)
{
    return with_password(location,
                         [&](const QByteArray &password) { return create_calendar_database_at(location, password); });
}

// Whether the database at `location` holds another application's tables,
// naming one: a calendar database made or copied there would mix with them.
// A file that does not open with the program's key does not count.
bool holds_foreign_table(const QString &location)
{
    std::optional<QString> table;
    if (is_calendar_server(location)) {
        Database db = connect_server(location);
        table = foreign_table(db);
    } else {
        try {
            Database db = Database::open(location, key_from_connect_string(kSecondConnectString),
                                         Database::OpenMode::ReadOnly);
            table = foreign_table(db);
        } catch (const DbError &) {
        }
    }
    if (table)
        err() << "The database already holds tables of another application (for example ''" << *table
              << "''); choose an empty database.\n";
    return table.has_value();
}

// Refuses a path whose folder is missing or that names an existing file, and
// a server database holding another application's tables.
bool can_create(const QString &path)
{
    if (is_calendar_server(path))
        return !holds_foreign_table(path);
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        err() << "The folder " << info.absolutePath() << " does not exist.\n";
        return false;
    }
    if (info.exists()) {
        if (!holds_foreign_table(path))
            err() << "The file " << info.absoluteFilePath() << " already exists; it is left as it is.\n";
        return false;
    }
    if (info.fileName() != kDatabaseFileName)
        err() << "Note: the program opens only files named " << kDatabaseFileName << ".\n";
    return true;
}

// A file's absolute path, or a server's address as given but for its password.
QString shown_location(const QString &path)
{
    return is_calendar_server(path) ? masked(path) : QFileInfo(path).absoluteFilePath();
}

qint64 count_rows(Database &db, const QString &table)
{
    Statement stmt = db.prepare(QStringLiteral("SELECT count(*) FROM %1;").arg(table));
    return stmt.step() ? stmt.column(0).toLongLong() : 0;
}

void print_year(Database &db, qint64 calendar, int year)
{
    RecordSet days = RecordSet::open(
        db, QStringLiteral("PARAMETERS CalendarID Long=%1, [Year] Short=%2; SELECT Q003.* FROM Q003;").arg(calendar).arg(year));
    int work_days = 0, paid_days = 0, events = 0;
    qint64 worked = 0, paid = 0;
    for (; !days.eof(); days.move_next()) {
        const int minutes1 = days.field(QStringLiteral("minutes1")).toInt();
        const int minutes2 = days.field(QStringLiteral("minutes2")).toInt();
        worked += minutes1;
        paid += minutes2;
        if (minutes1 >= 1)
            ++work_days;
        else if (minutes2 >= 1)
            ++paid_days;
        if (!days.field(QStringLiteral("Date comment")).toString().trimmed().isEmpty())
            ++events;
    }
    out() << "    " << year << ": " << days.record_count() << " days, " << work_days << " work days, " << paid_days
          << " paid days off, " << events << " events, worked " << format_minutes(qint32(worked)) << ", paid "
          << format_minutes(qint32(paid)) << "\n";
}

// The calendars with each year's totals (those `access` may read), users and
// whether a system password is set.
void print_contents(Database &db, ReadAccess &access)
{
    RecordSet list = RecordSet::open(db, QStringLiteral("SELECT Q000.* FROM Q000;"));
    qint64 shown = -1;
    bool readable = true;
    for (; !list.eof(); list.move_next()) {
        const qint64 id = list.field(QStringLiteral("id")).toLongLong();
        if (id != shown) {
            shown = id;
            out() << "  Calendar \"" << list.field(QStringLiteral("Name")).toString() << "\"";
            const QString owner = list.field(QStringLiteral("OwnerName")).toString();
            if (!owner.isEmpty())
                out() << ", owner " << owner;
            if (list.field(QStringLiteral("RestrictRead")).toBool())
                out() << ", read restricted to the owner";
            out() << "\n" << Qt::flush;
            readable = access.may_read(qint32(id));
            if (!readable)
                out() << "    (read-restricted)\n";
        }
        if (readable && !list.is_null(QStringLiteral("YearVal")))
            print_year(db, id, list.field(QStringLiteral("YearVal")).toInt());
    }
    RecordSet users = RecordSet::open(db, QStringLiteral("SELECT Q010.* FROM Q010;"));
    for (; !users.eof(); users.move_next()) {
        out() << "  User " << users.field(QStringLiteral("EmployeeID")).toString() << " "
              << users.field(QStringLiteral("FirstName")).toString() << " "
              << users.field(QStringLiteral("LastName")).toString()
              << (users.field(QStringLiteral("password")).toByteArray().isEmpty() ? "" : " (has a password)") << "\n";
    }
    const bool system_password = RecordSet::open(db, QStringLiteral("SELECT Q011.* FROM Q011;")).record_count() > 0;
    out() << "  System password: " << (system_password ? "set" : "not set") << "\n";
}

int create(const QString &path)
{
    if (!can_create(path))
        return 1;
    create_at(path);
    out() << "Created an empty calendar database: " << shown_location(path) << "\n";
    return 0;
}

int demo(const QString &path)
{
    if (!can_create(path))
        return 1;
    std::optional<Database> db(create_at(path));
    DemoPasswords passwords;
    try {
        passwords = write_demo_data(*db, QDate::currentDate().year() - 1);
    } catch (...) {
        // No half-filled demo file is left behind.
        db.reset();
        if (!is_calendar_server(path))
            QFile::remove(path);
        throw;
    }
    out() << "Created a demo calendar database: " << shown_location(path) << "\n";
    ReadAccess nobody(*db, err(), false);
    print_contents(*db, nobody);
    out() << "The system password is: " << passwords.system_password << "\n"
          << "The password of " << passwords.owner_name << ", owner of \"Night Shift\", is: "
          << passwords.owner_password << "\n";
    return 0;
}

// The empty report database shipped beside the program.
int report(const QString &path)
{
    if (QFileInfo::exists(path)) {
        err() << "The file " << QFileInfo(path).absoluteFilePath() << " already exists; it is left as it is.\n";
        return 1;
    }
    Database db = Database::open(path, QByteArray(), Database::OpenMode::Create);
    create_report_table(db);
    return 0;
}

bool is_missing_file(const QString &path)
{
    if (is_calendar_server(path) || QFileInfo(path).isFile())
        return false;
    err() << "There is no file " << path << ".\n";
    return true;
}

int check(const QString &path)
{
    if (is_missing_file(path))
        return 1;
    const bool server = is_calendar_server(path);
    Database db = inspect(path);
    // A server keeps its own pages sound; a file is checked page by page.
    QStringList problems{QStringLiteral("ok")};
    if (!server) {
        problems.clear();
        Statement integrity = db.prepare(QStringLiteral("PRAGMA integrity_check;"));
        while (integrity.step())
            problems << integrity.column(0).toString();
    }
    const bool intact = problems == QStringList{QStringLiteral("ok")};
    // Somebody wrote the stored queries: the program never runs them, but
    // an older one would.
    const QStringList planted = stored_query_differences(db);
    const int version = db.user_version();
    const int current = schema_version_of(db);
    out() << "Database: " << shown_location(path) << "\n";
    if (const QString warning = privileged_connection_warning(db); !warning.isEmpty())
        out() << "Warning: " << warning << "\n";
    out()
          << "Integrity: " << (intact ? QStringLiteral("ok") : problems.join(QStringLiteral("; "))) << "\n"
          << "Stored queries: "
          << (planted.isEmpty() ? QStringLiteral("as this program writes them")
                                : QStringLiteral("%1 differ from this program's (not run by it)").arg(planted.join(QStringLiteral(", "))))
          << "\n"
          << "Schema version: " << version
          << (version < current ? QStringLiteral(" (dayvane-db upgrade brings it up to %1)").arg(current) : QString())
          << "\n"
          << "Calendars: " << count_rows(db, QStringLiteral("calendars"))
          << ", calendar years: " << count_rows(db, QStringLiteral("calendar_years"))
          << ", day records: " << count_rows(db, QStringLiteral("days"))
          << ", users: " << count_rows(db, QStringLiteral("users")) << "\n";
    ReadAccess access(db, err());
    print_contents(db, access);
    return intact && planted.isEmpty() ? 0 : 1;
}

bool holds_calendar_schema(const QString &location)
{
    return is_calendar_server(location) ? connect_server(location).has_table(QStringLiteral("stored_query"))
                                        : QFileInfo::exists(location);
}

// Into an empty calendar database, or a new one made for the copy, so that
// nothing anybody keeps is ever mixed with or written over.
int copy(const QString &source_path, const QString &target_path)
{
    if (is_missing_file(source_path))
        return 1;
    if (shown_location(source_path) == shown_location(target_path)) {
        err() << "The source and the target are the same database.\n";
        return 1;
    }
    // A file is copied from a snapshot of one moment, so that the
    // workstations' saves wait only while its bytes are copied.
    QTemporaryDir snapshot_folder;
    QString read_from = source_path;
    if (!is_calendar_server(source_path)) {
        read_from = snapshot_folder.filePath(kDatabaseFileName);
        snapshot_calendar_file(source_path, read_from);
    }
    Database source = inspect(read_from);
    const bool created = !holds_calendar_schema(target_path);
    if (created ? !can_create(target_path) : holds_foreign_table(target_path))
        return 1;
    std::optional<Database> target(created ? create_at(target_path)
                                            : open_existing(target_path));
    if (!created && !holds_no_records(*target)) {
        err() << "The database " << shown_location(target_path)
              << " holds calendars or users already; a copy goes only into an empty calendar database.\n";
        return 1;
    }
    std::vector<CopiedTable> copied;
    try {
        copied = copy_database(source, *target);
    } catch (...) {
        target.reset();
        if (created && !is_calendar_server(target_path))
            QFile::remove(target_path);
        throw;
    }
    out() << "Copied " << shown_location(source_path) << " to " << shown_location(target_path) << "\n";
    for (const CopiedTable &table : copied) {
        out() << "  " << table.table << ": " << table.target_rows << " records, checksum "
              << table.target_checksum.toHex().left(16) << ", the same in both\n";
    }
    return 0;
}

int export_year(const QString &path, QStringList args)
{
    YearExportRequest request;
    const qsizetype option = args.indexOf(QLatin1String("--csv-separator"));
    if (option >= 0) {
        const QString separator = args.value(option + 1);
        if (separator != QLatin1String(",") && separator != QLatin1String(";")) {
            err() << "The CSV separator must be , or ; (given: " << separator << ").\n";
            return 2;
        }
        request.csv_separator = separator.front();
        args.remove(option, 2);
    }
    if (args.size() != 4)
        return usage();
    bool is_number = false;
    request.calendar = args.at(0);
    request.year = args.at(1).toInt(&is_number);
    const QString &format = args.at(2);
    request.icalendar = format == QLatin1String("--ics");
    request.output = args.at(3);
    if (!is_number || request.year < 1800 || request.year > 9999
        || (!request.icalendar && format != QLatin1String("--csv")))
        return usage();
    if (request.icalendar && option >= 0) {
        err() << "--csv-separator goes with --csv only.\n";
        return 2;
    }
    if (is_missing_file(path))
        return 1;
    Database db = inspect(path);
    return export_calendar_year(db, request, err());
}

// The only command that upgrades: the others look without changing, so
// that older workstations still using the database keep working.
int upgrade(const QString &path)
{
    if (is_missing_file(path))
        return 1;
    const int was = with_password(path, [&](const QByteArray &password) { return upgrade_calendar_database(path, password); });
    const int current = is_calendar_server(path) ? kServerSchemaVersion : kSchemaVersion;
    if (was == current)
        out() << shown_location(path) << " is at schema version " << current << " already.\n";
    else
        out() << "Upgraded " << shown_location(path) << " from schema version " << was << " to " << current << ".\n";
    return 0;
}

// A login of the server becomes a workstation: the server then lets it do
// what the program's checks let its user do, and no more.
int grant(const QString &address, const QString &role)
{
    if (!is_calendar_server(address)) {
        err() << "grant names a database server's address: a file has no roles, and every protection of a file is "
                 "the program's own.\n";
        return 1;
    }
    Database db = connect_server(address);
    check_schema(db);
    if (!db.server_holds_proofs()) {
        err() << "The database " << shown_location(address)
              << " is of an older version: run dayvane-db upgrade on it first.\n";
        return 1;
    }
    grant_workstation(db, role);
    out() << role << " is a workstation of " << shown_location(address) << " (a member of " << kWorkstationRole
          << ").\n";
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 2 && (args.at(1) == QLatin1String("--help") || args.at(1) == QLatin1String("-h")))
        return usage(out(), 0);
    if (args.size() < 3)
        return usage();
    const QString &command = args.at(1);
    const QString &path = args.at(2);
    const bool export_command = command == QLatin1String("export");
    const bool history_command = command == QLatin1String("history");
    const bool prune_command = command == QLatin1String("prune-history");
    const bool two_places = command == QLatin1String("copy") || command == QLatin1String("grant");
    const qsizetype expected = two_places ? 4 : export_command ? 7 : prune_command ? 5 : 3;
    if (args.size() != expected && !(history_command && args.size() == 4) && !(export_command && args.size() == 9))
        return usage();
    try {
        if (export_command)
            return export_year(path, args.mid(3));
        if (history_command || prune_command) {
            const QDate before = prune_command ? QDate::fromString(args.at(4), Qt::ISODate) : QDate();
            if (prune_command && (args.at(3) != QLatin1String("--before") || !before.isValid()))
                return usage();
            if (is_missing_file(path))
                return 1;
            Database db = history_command ? inspect(path) : open_existing(path);
            return history_command ? print_history(db, args.value(3), out(), err())
                                   : prune_history_before(db, before, out(), err());
        }
        if (command == QLatin1String("copy"))
            return copy(path, args.at(3));
        if (command == QLatin1String("create"))
            return create(path);
        if (command == QLatin1String("demo"))
            return demo(path);
        if (command == QLatin1String("check"))
            return check(path);
        if (command == QLatin1String("upgrade"))
            return upgrade(path);
        if (command == QLatin1String("report"))
            return report(path);
        if (command == QLatin1String("grant"))
            return grant(path, args.at(3));
        return usage();
    } catch (const DbError &error) {
        if (error.number() == 26)
            err() << shown_location(path) << " is not a calendar database, or its password is wrong.\n";
        else
            err() << "Error " << error.number() << ": " << error.description() << " (" << error.source() << ")\n";
        return 1;
    }
}
