#include "benchserver.h"

#include "store/postgresengine.h"
#include "store/serversecurity.h"
#include "store/transaction.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace dayvane::bench {

struct BenchBackends::Places
{
    QTemporaryDir dir{QDir::current().absoluteFilePath(QStringLiteral("bench-XXXXXX"))};
    int files = 0;
    int databases = 0;
    // The state file of the cluster started here; empty when none was.
    QString own_state;
    // The server's socket folder once known; `failed` once it cannot be.
    QString folder;
    bool failed = false;
    int max_connections = 0;

    bool cluster(const QString &action, QString *error) const
    {
        QProcess process;
        if (max_connections > 0) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("DAYVANE_PG_MAX_CONNECTIONS"), QString::number(max_connections));
            process.setProcessEnvironment(environment);
        }
        process.start(QStringLiteral(DAYVANE_PGCLUSTER), {action, own_state});
        const bool done = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit
                          && process.exitCode() == 0;
        if (!done && error)
            *error = process.errorString() + u' ' + QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        return done;
    }

    // The server's folder: the running one's, or that of a cluster started
    // now.
    QString find_server(QString *error)
    {
        QString state = qEnvironmentVariable("DAYVANE_TEST_SERVER");
        if (state.isEmpty()) {
            own_state = dir.filePath(QStringLiteral("server.state"));
            if (!cluster(QStringLiteral("start"), error))
                return {};
            state = own_state;
        }
        QFile file(state);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read the state file %1").arg(state);
            return {};
        }
        return QString::fromUtf8(file.readAll()).trimmed();
    }
};

BenchBackends::Places *BenchBackends::s_current = nullptr;

BenchBackends::BenchBackends(int max_connections)
    : m_places(std::make_unique<Places>())
{
    m_places->max_connections = max_connections;
    s_current = m_places.get();
}

BenchBackends::~BenchBackends()
{
    s_current = nullptr;
    if (!m_places->own_state.isEmpty() && QFile::exists(m_places->own_state))
        m_places->cluster(QStringLiteral("stop"), nullptr);
}

std::optional<QString> BenchBackends::new_database_location(Backend backend)
{
    Places &places = *s_current;
    if (backend == Backend::File) {
        const QString folder = QString::number(++places.files);
        QDir(places.dir.path()).mkdir(folder);
        return places.dir.filePath(folder + QStringLiteral("/QZDB.mdb"));
    }
    if (places.failed)
        return std::nullopt;
    if (places.folder.isEmpty()) {
        QString error;
        places.folder = places.find_server(&error);
        if (places.folder.isEmpty()) {
            places.failed = true;
            std::fprintf(stderr, "No database server (%s): the server benchmarks are skipped.\n", qPrintable(error));
            return std::nullopt;
        }
    }
    const QString name = QStringLiteral("bench_%1_%2").arg(QCoreApplication::applicationPid()).arg(++places.databases);
    // A workstation's database belongs to the site's administrator, no superuser.
    const QString owner = backend == Backend::Workstation ? QStringLiteral("dayvane_admin") : QStringLiteral("postgres");
    Database::connect(QStringLiteral("host=%1 user=postgres dbname=postgres").arg(places.folder))
        .exec(QStringLiteral("CREATE DATABASE %1 OWNER %2;").arg(name, owner));
    return QStringLiteral("host=%1 user=%2 dbname=%3").arg(places.folder, owner, name);
}

QString BenchBackends::workstation_address(const QString &location)
{
    Database admin = Database::connect(QStringLiteral("host=%1 user=postgres dbname=postgres").arg(s_current->folder));
    admin.exec(QStringLiteral("DO $$ BEGIN CREATE ROLE dayvane_bench LOGIN; EXCEPTION WHEN duplicate_object OR unique_violation THEN NULL; END $$;"));
    Database owner = Database::connect(location);
    grant_workstation(owner, QStringLiteral("dayvane_bench"));
    return QString(location).replace(QStringLiteral("user=dayvane_admin"), QStringLiteral("user=dayvane_bench"));
}

RoundTrips::RoundTrips(Database &db)
    : m_db(db)
    , m_mark(postgres_round_trips(db))
{
}

void RoundTrips::pause()
{
    m_counted += postgres_round_trips(m_db) - m_mark;
}

void RoundTrips::resume()
{
    m_mark = postgres_round_trips(m_db);
}

void RoundTrips::report(benchmark::State &state)
{
    pause();
    if (postgres_handle(m_db) && state.iterations() > 0)
        state.counters["round_trips"] = double(m_counted) / double(state.iterations());
}

BenchCalendar new_calendar_year(Database &db, int year)
{
    BenchCalendar made;
    db.exec(QStringLiteral("INSERT INTO calendars (\"Name\") VALUES ('Bench');"));
    made.calendar = qint32(db.last_insert_id());
    db.exec(QStringLiteral("INSERT INTO calendar_years (\"CalendarLink\", \"YearVal\") VALUES (%1, %2);")
                .arg(made.calendar)
                .arg(year));
    made.year_id = db.last_insert_id();
    Transaction transaction(db);
    Statement insert = db.prepare(QStringLiteral(
        "INSERT INTO days (\"NameLink\", \"YearLink\", \"DateVal\", \"DayType\", \"TimeSegments\", \"Date comment\")"
        " VALUES (?, ?, ?, 0, '', '');"));
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        insert.reset();
        insert.bind(1, made.calendar);
        insert.bind(2, made.year_id);
        insert.bind(3, date);
        insert.exec();
        made.day_ids.push_back(db.last_insert_id());
    }
    transaction.commit();
    return made;
}

} // namespace dayvane::bench
