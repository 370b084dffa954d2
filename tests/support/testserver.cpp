#include "testserver.h"

#include "store/database.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QUuid>

#include <memory>
#include <stdexcept>

namespace dayvane::test {

TestServer *TestServer::instance()
{
    static const std::unique_ptr<TestServer> server = []() -> std::unique_ptr<TestServer> {
        const QString state = qEnvironmentVariable("DAYVANE_TEST_SERVER", QStringLiteral(DAYVANE_TEST_SERVER_STATE));
        QFile file(state);
        if (state.isEmpty() || !file.open(QIODevice::ReadOnly))
            return nullptr;
        return std::unique_ptr<TestServer>(new TestServer(state, QString::fromUtf8(file.readAll()).trimmed(), false));
    }();
    return server.get();
}

std::unique_ptr<TestServer> TestServer::start_own()
{
    const QString state = QDir::current().absoluteFilePath(
        QStringLiteral("server-%1.state").arg(QUuid::createUuid().toString(QUuid::Id128)));
    std::unique_ptr<TestServer> server(new TestServer(state, QString(), true));
    server->cluster(QStringLiteral("start"));
    QFile file(state);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("pgcluster start wrote no state file");
    server->m_folder = QString::fromUtf8(file.readAll()).trimmed();
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

QString TestServer::admin_address() const { return QStringLiteral("host=%1 user=postgres dbname=postgres").arg(m_folder); }

QString TestServer::create_database()
{
    const QString name = QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128);
    Database::connect(admin_address()).exec(QStringLiteral("CREATE DATABASE %1;").arg(name));
    return QStringLiteral("host=%1 user=postgres dbname=%2").arg(m_folder, name);
}

void TestServer::cluster(const QString &action) const
{
    QProcess process;
    process.start(QStringLiteral(DAYVANE_PGCLUSTER), {action, m_state});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error("pgcluster " + action.toStdString() + " failed: "
                                 + process.readAllStandardError().toStdString());
}

void TestServer::stop_immediately() { cluster(QStringLiteral("crash")); }
void TestServer::start() { cluster(QStringLiteral("resume")); }

} // namespace dayvane::test
