#include "store/connection.h"
#include "store/database.h"
#include "store/databaseid.h"
#include "store/serversecurity.h"

#include "testdatabase.h"
#include "testserver.h"

#include <QDate>
#include <QDir>
#include <QUrl>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace dayvane;
using namespace dayvane::test;
using ::testing::HasSubstr;

namespace {

ProgramRun run_tool(const QStringList &arguments)
{
    return run_program(QStringLiteral(DAYVANE_DB_TOOL), arguments);
}

QStringList rows_of(Statement &stmt)
{
    QStringList rows;
    while (stmt.step()) {
        QStringList values;
        for (int column = 0; column < stmt.column_count(); ++column) {
            // A server's queries never give a password out.
            if (QStringList{QStringLiteral("password"), QStringLiteral("password_set"), QStringLiteral("Value")}.contains(
                    stmt.column_name(column)))
                continue;
            const QVariant value = stmt.column(column);
            values << (value.typeId() == QMetaType::QByteArray ? QString::fromLatin1(value.toByteArray().toHex())
                       : value.isNull()                        ? QStringLiteral("null") : value.toString());
        }
        rows << values.join(u'|');
    }
    return rows;
}

// Every record, and what each stored query gives for every calendar year, its first day, owner and system password.
QStringList everything(Database &db)
{
    QStringList lines;
    for (const char *table : {"users", "calendars", "calendar_years", "days", "system_variables", "change_history"}) {
        // What a server stamps itself is not copied.
        QStringList columns = db.table_columns(QLatin1String(table));
        columns.removeIf([&](const QString &column) { return server_stamp_columns(QLatin1String(table)).contains(column); });
        Statement all = db.prepare(QStringLiteral("SELECT \"%1\" FROM %2 ORDER BY id")
                                       .arg(columns.join(QStringLiteral("\", \"")), QLatin1String(table)));
        lines << QLatin1String(table) << rows_of(all);
    }
    Statement years = db.prepare(QStringLiteral(
        "SELECT y.\"CalendarLink\", y.\"YearVal\", y.id, c.\"Name\", c.\"OwnerLink\","
        " (SELECT min(d.id) FROM days d WHERE d.\"YearLink\" = y.id),"
        " (SELECT \"Value\" FROM system_variables) FROM calendar_years y JOIN calendars c ON c.id = y.\"CalendarLink\""
        " ORDER BY y.id"));
    while (years.step()) {
        const int year = years.column(1).toInt();
        const std::map<QString, QVariant> values{
            {QStringLiteral(":CalendarID"), years.column(0)}, {QStringLiteral(":Year"), year},
            {QStringLiteral(":YearID"), years.column(2)},     {QStringLiteral(":NameTest"), years.column(3)},
            {QStringLiteral(":UserID"), years.column(4)},     {QStringLiteral(":RecordID"), years.column(5)},
            {QStringLiteral(":Password"), years.column(6)},   {QStringLiteral(":Date"), QDate(year, 3, 1)},
            {QStringLiteral(":StartDt"), QDate(year, 2, 1)},  {QStringLiteral(":EndDt"), QDate(year, 4, 30)},
        };
        Statement names = db.prepare(QStringLiteral("SELECT name FROM stored_query ORDER BY name"));
        while (names.step()) {
            const QString name = names.column(0).toString();
            Statement query = db.prepare(db.stored_query(name).select_sql);
            for (int i = 1; i <= query.parameter_count(); ++i)
                query.bind(i, values.at(query.parameter_name(i)));
            lines << name << rows_of(query);
        }
    }
    return lines;
}

} // namespace

// An office moving to a server and backed up to a file: the same records, ids, passwords and query answers; no id reused.
TEST(DatabaseCopy, FileToServerToFileGivesTheSameDatabase)
{
    TestServer *server = TestServer::instance();
    ASSERT_NE(server, nullptr);
    QTemporaryDir dir(QDir::current().absoluteFilePath(QStringLiteral("copy-XXXXXX")));
    const QString original = dir.filePath(QStringLiteral("QZDB.mdb")), back = dir.filePath(QStringLiteral("back/QZDB.mdb"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("back")));
    ASSERT_EQ(run_tool({QStringLiteral("demo"), original}).exit_code, 0);
    qint64 deleted = 0;
    {
        // The last calendar and user deleted: their ids stay used.
        Database db = open_existing_database(original);
        deleted = scalar(db, QStringLiteral("SELECT max(id) FROM calendars"));
        db.exec(QStringLiteral("DELETE FROM calendars WHERE id = %1;").arg(deleted));
        db.exec(QStringLiteral("DELETE FROM users WHERE id = (SELECT max(id) FROM users);"));
    }
    const QString address = server->create_database();
    const ProgramRun to_server = run_tool({QStringLiteral("copy"), original, address});
    ASSERT_EQ(to_server.exit_code, 0) << to_server.errors.toStdString();
    EXPECT_THAT(to_server.output.toStdString(), HasSubstr("days: 1460 records"));
    const ProgramRun again = run_tool({QStringLiteral("copy"), original, address});
    EXPECT_EQ(again.exit_code, 1);
    EXPECT_THAT(again.errors.toStdString(), HasSubstr("holds calendars or users already"));
    const ProgramRun to_file = run_tool({QStringLiteral("copy"), address, back});
    ASSERT_EQ(to_file.exit_code, 0) << to_file.errors.toStdString();
    // As a role the server asks a password of (a copy reads the passwords, which only the owner's rights may):
    // written in the address, it is shown as "***"; not written, it is asked for on standard input.
    Database admin = Database::connect(server->admin_address());
    if (scalar(admin, QStringLiteral("SELECT count(*) FROM pg_roles WHERE rolname = 'dayvane_pw_admin'")) == 0)
        admin.exec(QStringLiteral("CREATE ROLE dayvane_pw_admin LOGIN PASSWORD 'pw-2026' IN ROLE %1;").arg(TestServer::kOwnerRole));
    const QString guarded = QString(address).replace(QStringLiteral("user=") + TestServer::kOwnerRole, QStringLiteral("user=dayvane_pw_admin"));
    const QString socket = address.section(u' ', 0, 0).section(u'=', 1), db = address.section(QStringLiteral("dbname="), 1);
    const QString uri = QStringLiteral("postgresql://dayvane_pw_admin:pw-2026@") + QUrl::toPercentEncoding(socket) + u'/' + db;
    const struct { QStringList args; QByteArray input; QString shown; } runs[] = {
        {{QStringLiteral("check"), guarded + QStringLiteral(" password='pw-2026'")}, {}, guarded + QStringLiteral(" password=***")},
        {{QStringLiteral("copy"), uri, dir.filePath(QStringLiteral("back/2.mdb"))}, {}, QString(uri).replace(QStringLiteral("pw-2026"), QStringLiteral("***"))},
        {{QStringLiteral("check"), guarded}, "pw-2026\n", guarded},
    };
    for (const auto &run : runs) {
        const ProgramRun tool = run_program(QStringLiteral(DAYVANE_DB_TOOL), run.args, run.input);
        EXPECT_EQ(tool.exit_code, 0) << tool.errors.toStdString();
        EXPECT_THAT(tool.output.toStdString(), HasSubstr(run.shown.toStdString()));
        EXPECT_FALSE((tool.output + tool.errors).contains(QStringLiteral("pw-2026"))) << tool.output.toStdString();
    }
    Database first = open_existing_database(original);
    Database on_server = open_existing_database(address);
    Database last = open_existing_database(back);
    const QStringList expected = everything(first);
    // The database's id travels with it.
    ASSERT_TRUE(read_database_id(first));
    EXPECT_EQ(read_database_id(last), read_database_id(first));
    EXPECT_EQ(everything(on_server), expected);
    EXPECT_EQ(everything(last), expected);
    const auto add_calendar = [](Database &db) {
        return execute(db, QStringLiteral("INSERT INTO calendars (\"Name\") VALUES ('Added after the copy');"), {});
    };
    const qint64 next = add_calendar(first);
    EXPECT_GT(next, deleted);
    EXPECT_EQ(std::tuple(add_calendar(on_server), add_calendar(last)), std::tuple(next, next));
}

// create, demo and copy refuse a database holding another application's tables, whatever of ours it holds, and leave it.
class DayvaneDbTarget : public testing::TestWithParam<Backend> {};

TEST_P(DayvaneDbTarget, RefusesADatabaseHoldingAnotherApplicationsTables)
{
    const bool server = GetParam() == Backend::Server;
    ASSERT_TRUE(!server || TestServer::instance());
    TestDatabase source;
    fill_sample(source.db());
    source.close();
    QTemporaryDir dir(QDir::current().absoluteFilePath(QStringLiteral("target-XXXXXX")));
    enum Target { Empty, Foreign, Calendar, Mixed };
    const QString foreign = QStringLiteral("tables of another application (for example ''invoices''); choose an empty");
    const struct { const char *command; Target target; int exit_code; QString expected; } cases[] = {
        {"create", Empty, 0, "Created an empty calendar database"},
        {"create", Foreign, 1, foreign},
        {"create", Calendar, 1, server ? "holds calendar tables already" : "already exists; it is left as it is"},
        {"demo", Foreign, 1, foreign},
        {"copy", Foreign, 1, foreign},
        {"copy", Mixed, 1, foreign},
        {"copy", Calendar, 0, "users: 2 records"},
    };
    const auto open_plain = [server](const QString &path, Database::OpenMode mode) {
        return server ? Database::connect(path) : Database::open(path, key_from_connect_string(kSecondConnectString), mode);
    };
    int row = 0;
    for (const auto &c : cases) {
        const QString path = server ? TestServer::instance()->create_database()
                                    : dir.filePath(QStringLiteral("%1/QZDB.mdb").arg(++row));
        ASSERT_TRUE(server || QDir(dir.path()).mkdir(QString::number(row)));
        if (c.target != Empty) {
            Database db = c.target == Foreign ? open_plain(path, Database::OpenMode::Create) : create_calendar_database_at(path);
            if (c.target != Calendar)
                db.exec(QStringLiteral("CREATE TABLE invoices (id integer); INSERT INTO invoices VALUES (7);"));
        }
        QStringList args{QLatin1String(c.command), path};
        if (args[0] == u"copy")
            args.insert(1, source.path());
        const ProgramRun tool = run_tool(args);
        EXPECT_EQ(tool.exit_code, c.exit_code) << c.command << " " << c.target;
        EXPECT_THAT((c.exit_code == 0 ? tool.output : tool.errors).toStdString(), HasSubstr(c.expected.toStdString()))
            << c.command << " " << c.target;
        if (c.exit_code != 0 && c.target != Calendar) {
            // Nothing of ours written, nothing of theirs changed.
            Database db = open_plain(path, Database::OpenMode::Existing);
            EXPECT_EQ(scalar(db, QStringLiteral("SELECT sum(id) FROM invoices")), 7);
            EXPECT_EQ(db.has_table(QStringLiteral("users")) ? scalar(db, QStringLiteral("SELECT count(*) FROM users")) : -1,
                      c.target == Mixed ? 0 : -1);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, DayvaneDbTarget, testing::ValuesIn(backends()), backend_name);
