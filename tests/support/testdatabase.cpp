#include "testdatabase.h"

#include "testserver.h"

#include "store/connection.h"
#include "store/dberror.h"
#include "store/recordset.h"
#include "store/schema.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>

#include <stdexcept>

namespace dayvane::test {

std::vector<Backend> backends() { return {Backend::File, Backend::Server}; }
std::string backend_name(const testing::TestParamInfo<Backend> &info) { return info.param == Backend::File ? "File" : "Server"; }

TestDatabase::TestDatabase(Backend backend)
    : m_dir(QDir::current().absoluteFilePath(QStringLiteral("db-XXXXXX")))
{
    if (backend == Backend::File) {
        m_db.emplace(create_calendar_database(path()));
        return;
    }
    TestServer *server = TestServer::instance();
    if (!server)
        throw std::runtime_error("No test database server: run the tests with ctest, which starts one.");
    m_address = server->create_database();
    m_db.emplace(Database::connect(m_address));
    create_schema(*m_db);
}

QString TestDatabase::path() const { return m_address.isEmpty() ? m_dir.filePath(QStringLiteral("QZDB.mdb")) : m_address; }

QString TestDatabase::workstation_path() const
{
    return m_address.isEmpty() ? path() : TestServer::instance()->workstation_address(m_address);
}

qint64 scalar(Database &db, const QString &sql)
{
    Statement stmt = db.prepare(sql);
    return stmt.step() ? stmt.column(0).toLongLong() : -1;
}

qint64 execute(Database &db, const QString &sql, const QVariantList &values)
{
    Statement stmt = db.prepare(sql);
    for (int i = 0; i < values.size(); ++i)
        stmt.bind(i + 1, values.at(i));
    stmt.exec();
    return db.last_insert_id();
}

void write_record(RecordSet &set, std::initializer_list<std::pair<const char *, QVariant>> fields)
{
    for (const auto &[name, value] : fields)
        set.set_field(QString::fromUtf8(name), value);
    set.update();
}

QString db_failure(const std::function<void()> &action)
{
    try {
        action();
    } catch (const DbError &error) {
        return QStringLiteral("%1 %2").arg(error.number()).arg(error.description());
    }
    return QString();
}

qint64 insert_day(Database &db, qint64 calendar, qint64 year_id, const QString &iso_date, const QVariant &segments,
                  const QVariant &worked, const QVariant &paid, const QVariant &comment, const QVariant &start,
                  const QVariant &stop)
{
    return execute(db,
                   QStringLiteral("INSERT INTO days (\"NameLink\", \"YearLink\", \"DateVal\", \"DayType\", \"DayStart\","
                                  " \"DayStop\", minutes1, minutes2, \"TimeSegments\", \"Date comment\")"
                                  " VALUES (?, ?, ?, 0, ?, ?, ?, ?, ?, ?);"),
                   {calendar, year_id, iso_date, start, stop, worked, paid, segments, comment});
}

Sample fill_sample(Database &db)
{
    Sample s;
    const QString user = QStringLiteral("INSERT INTO users (\"EmployeeID\", \"FirstName\", \"LastName\") VALUES (?, ?, ?);");
    s.ann = execute(db, user, {QStringLiteral("E1"), QStringLiteral("Ann"), QStringLiteral("Smith")});
    s.bob = execute(db, user, {QStringLiteral("E2"), QStringLiteral("Bob"), QStringLiteral("Adams")});
    const QString calendar = QStringLiteral("INSERT INTO calendars (\"Name\", \"OwnerLink\", \"RestrictRead\") VALUES (?, ?, ?);");
    s.zeta = execute(db, calendar, {QStringLiteral("zeta office"), s.ann, true});
    s.alpha = execute(db, calendar, {QStringLiteral("Alpha"), 0, false});
    s.empty = execute(db, calendar, {QStringLiteral("beta"), 0, false});
    const QString year = QStringLiteral("INSERT INTO calendar_years (\"CalendarLink\", \"YearVal\") VALUES (?, ?);");
    // Inserted out of order, so the queries must sort.
    s.zeta_2024 = execute(db, year, {s.zeta, 2024});
    const qint64 zeta_2023 = execute(db, year, {s.zeta, 2023});
    const qint64 alpha_2024 = execute(db, year, {s.alpha, 2024});
    const QString workday = QStringLiteral("y@480>720+y@750>990");
    for (const char *date : {"2024-01-09", "2024-01-08"})
        insert_day(db, s.zeta, s.zeta_2024, QLatin1String(date), workday, 480, 480);
    insert_day(db, s.zeta, s.zeta_2024, QStringLiteral("2024-01-07"), QString(), 0, 0);
    insert_day(db, s.zeta, s.zeta_2024, QStringLiteral("2024-01-01"), QStringLiteral("n@480>990"), 0, 510,
               QStringLiteral("New Year's Day"));
    insert_day(db, s.zeta, s.zeta_2024, QStringLiteral("2024-01-02"), QStringLiteral("y@480>720"), 240, 240);
    insert_day(db, s.zeta, s.zeta_2024, QStringLiteral("2024-01-10"), workday, 480, 480);
    insert_day(db, s.zeta, zeta_2023, QStringLiteral("2023-12-31"), QStringLiteral("y@600>660"), 60, 60);
    insert_day(db, s.alpha, alpha_2024, QStringLiteral("2024-01-08"), QStringLiteral("y@540>600"), 60, 60);
    return s;
}

QByteArray read_file(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString write_file(const QString &path, const QByteArray &content)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(content) == content.size()) << path.toStdString();
    return path;
}

int unused_port()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost))
        throw std::runtime_error("no free loopback port");
    return probe.serverPort();
}

ProgramRun run_program(const QString &program, const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString() << " hangs";
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void make_older(Database &db, int version)
{
    if (db.dialect() == Database::Dialect::PostgreSQL && version < 4)
        db.exec(QStringLiteral("DROP FUNCTION dayvane_tell_calendar_change() CASCADE;"));
    if (db.dialect() == Database::Dialect::PostgreSQL && version < 3) {
        db.exec(QStringLiteral(R"sql(
DO $$
DECLARE
    r record;
BEGIN
    FOR r IN SELECT policyname, tablename FROM pg_policies WHERE schemaname = current_schema() LOOP
        EXECUTE format('DROP POLICY %I ON %I', r.policyname, r.tablename);
    END LOOP;
    FOR r IN SELECT tablename FROM pg_tables WHERE schemaname = current_schema() LOOP
        EXECUTE format('ALTER TABLE %I NO FORCE ROW LEVEL SECURITY, DISABLE ROW LEVEL SECURITY', r.tablename);
    END LOOP;
    FOR r IN SELECT p.oid::regprocedure AS f FROM pg_proc p
             WHERE p.pronamespace = current_schema()::regnamespace AND p.proname LIKE 'dayvane\_%'
               AND p.proname <> 'dayvane_fold' LOOP
        EXECUTE format('DROP FUNCTION %s CASCADE', r.f);
    END LOOP;
END $$;
DROP TABLE dayvane_claims;
DROP SEQUENCE dayvane_proven_user, dayvane_proven_system, dayvane_failed_proofs, dayvane_claim;
ALTER TABLE change_history DROP COLUMN "ServerTime", DROP COLUMN "ServerLogin", DROP COLUMN "ClientAddress",
    DROP COLUMN "Transaction";
)sql"));
    }
    if (version < 2)
        db.exec(QStringLiteral("DROP TABLE change_history;"));
    db.set_user_version(version);
}

} // namespace dayvane::test
