#include "testserver.h"

#include "store/database.h"
#include "store/serversecurity.h"

#include "testdatabase.h"

#include <QDir>
#include <QProcess>
#include <QUuid>

#include <memory>
#include <stdexcept>

namespace dayvane::test {

TestServer *TestServer::instance()
{
    static const std::unique_ptr<TestServer> server = []() -> std::unique_ptr<TestServer> {
        const QString state = qEnvironmentVariable("DAYVANE_TEST_SERVER", QStringLiteral(DAYVANE_TEST_SERVER_STATE));
        const QString folder = QString::fromUtf8(read_file(state)).trimmed();
        return folder.isEmpty() ? nullptr : std::unique_ptr<TestServer>(new TestServer(state, folder, false));
    }();
    return server.get();
}

namespace {

// Where pgcluster keeps the folder of a cluster of the test's own.
QString new_state_file()
{
    return QDir::current().absoluteFilePath(QStringLiteral("server-%1.state").arg(QUuid::createUuid().toString(QUuid::Id128)));
}

// The cluster's folder that pgcluster wrote to `state`.
QString folder_in(const QString &state)
{
    const QString folder = QString::fromUtf8(read_file(state)).trimmed();
    if (folder.isEmpty())
        throw std::runtime_error("pgcluster wrote no state file");
    return folder;
}

} // namespace

std::unique_ptr<TestServer> TestServer::start_own(bool tcp)
{
    std::unique_ptr<TestServer> server(new TestServer(new_state_file(), QString(), true));
    server->m_port = tcp ? unused_port() : 0;
    server->cluster(QStringLiteral("start"));
    server->m_folder = folder_in(server->m_state);
    return server;
}

TestServer::TestServer(QString state, QString folder, bool owned)
    : m_state(std::move(state)), m_folder(std::move(folder)), m_owned(owned) {}

TestServer::~TestServer()
{
    if (!m_owned)
        return;
    try {
        cluster(QStringLiteral("stop"));
    } catch (const std::exception &) {
        // Left for the next run's clean-up of its temporary folder.
    }
}

QString TestServer::admin_address() const
{
    return QStringLiteral("host=%1 user=postgres dbname=postgres").arg(m_folder) + (m_port ? QStringLiteral(" port=%1").arg(m_port) : QString());
}

QString TestServer::tcp_address() const
{
    return m_port ? QStringLiteral("host=127.0.0.1 port=%1 user=postgres dbname=postgres").arg(m_port) : QString();
}

QString TestServer::create_database()
{
    const QString name = QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128);
    Database::connect(admin_address()).exec(QStringLiteral("CREATE DATABASE %1 OWNER %2;").arg(name, kOwnerRole));
    return QStringLiteral("host=%1 user=%2 dbname=%3").arg(m_folder, kOwnerRole, name)
           + (m_port ? QStringLiteral(" port=%1").arg(m_port) : QString());
}

QString TestServer::workstation_address(const QString &address, const QString &role)
{
    Database::connect(address);  // the calendar database is there, and with it the workstations' group
    Database admin = Database::connect(admin_address());
    // Roles are the cluster's: parallel tests make and grant the same one, one at a time.
    admin.exec(QStringLiteral("BEGIN; SELECT pg_advisory_xact_lock(2029);"
                              " DO $$ BEGIN CREATE ROLE %1 LOGIN; EXCEPTION WHEN duplicate_object OR unique_violation THEN NULL; END $$;")
                   .arg(role));
    grant_workstation(admin, role);
    admin.exec(QStringLiteral("COMMIT;"));
    return QString(address).replace(QStringLiteral("user=") + kOwnerRole, QStringLiteral("user=") + role);
}

void TestServer::cluster(const QString &action, const QStringList &more) const
{
    QProcess process;
    QStringList arguments = QStringList{action, m_state} + more;
    if (action == u"start" && m_port)
        arguments << QString::number(m_port);
    process.start(QStringLiteral(DAYVANE_PGCLUSTER), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error("pgcluster " + action.toStdString() + " failed: "
                                 + process.readAllStandardError().toStdString());
}

void TestServer::stop_immediately() { cluster(QStringLiteral("crash")); }

std::unique_ptr<TestServer> TestServer::start_standby()
{
    std::unique_ptr<TestServer> standby(new TestServer(new_state_file(), QString(), true));
    standby->m_port = unused_port();
    standby->follow(*this);
    return standby;
}

void TestServer::follow(const TestServer &primary)
{
    cluster(QStringLiteral("standby"), {primary.m_state, QString::number(m_port)});
    m_folder = folder_in(m_state);
}

void TestServer::promote() { cluster(QStringLiteral("promote")); }
void TestServer::cut_off() { cluster(QStringLiteral("cut")); }
void TestServer::freeze() { cluster(QStringLiteral("freeze")); }

} // namespace dayvane::test
